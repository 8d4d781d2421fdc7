#include "skin/data/skin_source.h"

#include "skin/data/limits.h"
#include "skin/data/number_text.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_platform.h"

namespace velmora::skin {
namespace {

std::string ParentDirectory(std::string_view directory) {
  std::string_view d = directory;
  if (d.ends_with('\\')) d.remove_suffix(1);
  const size_t slash = d.find_last_of('\\');
  return slash == std::string_view::npos ? std::string() : std::string(d.substr(0, slash + 1));
}

OptionsText ParseOptions(std::string_view text) {
  if (text.size() > kMaxOptionsBytes) throw SkinError("The skin's options text is too large");
  return OptionsText::Parse(text);
}

// Reads a package, showing the format's message box for data that is not a package.
TacSkinConvertor ReadPackageReporting(std::span<const uint8_t> bytes, SkinPlatform& platform) {
  try {
    return ReadSkinPackage(bytes);
  } catch (const NotAPackageError& e) {
    platform.ShowMessage(e.what(), MessageKind::Error);
    throw SkinError(e.what(), true);
  }
}

}  // namespace

int IndexOfStoredSkin(const TsStoredSkins& skins, std::string_view name) {
  for (size_t i = 0; i < skins.size(); ++i)
    if (skins[i].Name == name) return int(i);
  return -1;
}

std::string ResolveSkinDirectory(std::string_view value, std::string_view applicationDirectory) {
  const std::string app(applicationDirectory);
  if (value.starts_with(".."))
    return ParentDirectory(app) + std::string(value.substr(std::min<size_t>(3, value.size())));
  if (value.starts_with(".\\") || value.starts_with("./"))
    return app + std::string(value.substr(2));
  if (value == ".") return app;
  if (value.find(':') == std::string_view::npos && value.find('\\') == std::string_view::npos) {
    return app + std::string(value);
  }
  return std::string(value);
}

std::string NormaliseDirectory(std::string_view directory) {
  std::string d(directory);
  if (d.empty() || d.ends_with('\\')) return d;
  if (d.ends_with('/')) {
    d.back() = '\\';
    return d;
  }
  return d + (d.size() == 1 ? ":\\" : "\\");
}

std::string StripPackageExtension(std::string_view name) {
  if (name.size() > 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".asz")) {
    name.remove_suffix(4);
  }
  return std::string(name);
}

SkinSourceChoice ChooseSkinSource(std::string_view skinName, std::string_view skinDirectory,
                                  const TsStoredSkins& stored, SkinPlatform& platform) {
  SkinSourceChoice choice;
  choice.SkinName = StripPackageExtension(skinName);
  const std::string resolved = ResolveSkinDirectory(skinDirectory, platform.ApplicationDirectory());
  const std::string packed = NormaliseDirectory(skinDirectory) + choice.SkinName + ".asz";
  if (platform.FileExists(packed)) {
    choice.Source = SkinSourceChoice::Kind::PackedFile;
    choice.FilePath = packed;
    choice.SkinPath = resolved + "\\";
    return choice;
  }
  const std::string folder = resolved + "\\" + choice.SkinName + "\\";
  if (platform.FileExists(folder + "Options.dat")) {
    choice.Source = SkinSourceChoice::Kind::Folder;
    choice.SkinPath = folder;
    return choice;
  }
  choice.StoredIndex = IndexOfStoredSkin(stored, choice.SkinName);
  if (choice.StoredIndex < 0 && !stored.empty()) {
    choice.StoredIndex = 0;
    choice.SkinName = stored[0].Name;
  }
  if (choice.StoredIndex >= 0) choice.Source = SkinSourceChoice::Kind::Stored;
  return choice;
}

LoadedSkinSource ReadSkinSource(const SkinSourceChoice& choice, const TsStoredSkins& stored,
                                SkinPlatform& platform,
                                const std::optional<std::string>& folderOptions) {
  LoadedSkinSource loaded;
  loaded.SkinPath = choice.SkinPath;
  using Kind = SkinSourceChoice::Kind;
  if (choice.Source == Kind::PackedFile) {
    const auto bytes = platform.ReadFile(choice.FilePath, kMaxPackageBytes);
    if (!bytes) throw SkinError("The skin file \"" + choice.FilePath + "\" cannot be read");
    loaded.Package = ReadPackageReporting(*bytes, platform);
    if (!loaded.Package->Options) {
      platform.ShowMessage(InternalFormatMessage(choice.SkinName), MessageKind::Information);
      throw SkinError(InternalFormatMessage(choice.SkinName), true);
    }
    loaded.Options = ParseOptions(*loaded.Package->Options);
  } else if (choice.Source == Kind::Folder && folderOptions) {
    loaded.Options = ParseOptions(*folderOptions);
  } else if (choice.Source == Kind::Folder) {
    const auto text = platform.ReadFile(choice.SkinPath + "Options.dat", kMaxOptionsBytes);
    if (!text)
      throw SkinError("The options of the \"" + choice.SkinName + "\" skin cannot be read");
    loaded.Options =
        ParseOptions(std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
  } else if (choice.Source == Kind::Stored) {
    const TsStoredSkin& skin = stored.at(size_t(choice.StoredIndex));
    if (!skin.Data.empty()) loaded.Package = ReadPackageReporting(skin.Data, platform);
    if (!loaded.Package || !loaded.Package->Options) {
      throw SkinError("The \"" + skin.Name + "\" skin holds no options text");
    }
    loaded.Options = ParseOptions(*loaded.Package->Options);
  } else {
    throw SkinError("No skin named \"" + choice.SkinName + "\" was found");
  }
  return loaded;
}

ImageSource ImagesOf(const LoadedSkinSource& source, SkinPlatform& platform) {
  return {source.Package ? &*source.Package : nullptr, source.SkinPath, &platform};
}

}  // namespace velmora::skin
