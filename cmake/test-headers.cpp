// The target that compiles the test headers once for every test target; no code of its own.
