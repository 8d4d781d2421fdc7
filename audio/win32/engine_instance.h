#pragma once
// The extension's way into the engine: bass.dll exports it by ordinal only, so the engine's
// named exports stay exactly the public calls.
#include "audio/core/engine_extension.h"

#if defined(VELMORA_BUILDING_ENGINE)
#define VELMORA_ENGINE_EXPORT  // exported through bass.def, by ordinal
#else
#define VELMORA_ENGINE_EXPORT __declspec(dllimport)
#endif

extern "C" VELMORA_ENGINE_EXPORT velmora::audio::EngineExtension* __stdcall VelmoraEngineExtension();
