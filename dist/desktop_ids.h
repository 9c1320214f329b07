#pragma once
// The names under which the desktop knows the program and its files. The
// installed desktop entry, MIME package and icons are generated from this
// table (dist/CMakeLists.txt reads it), and "Register Quillmark Files" writes
// the same names into the user's folders, so an installed copy and a
// registered one never disagree. Keep each table row on one line: the build
// reads the rows as text.
#include <array>
#include <string_view>

namespace qm {

// Reverse-DNS: the desktop entry, the MIME package, the application icon and
// the AppStream component are all named after it.
inline constexpr std::string_view kApplicationId = "io.github.quillmark.Quillmark";
// The desktop entry's comment and menu categories.
inline constexpr std::string_view kApplicationComment = "Plan character templates and their items";
inline constexpr std::string_view kApplicationCategories = "Game;RolePlaying;";

struct DesktopFileType {
  std::string_view extension;  // empty: told by its XML root element alone
  std::string_view mimeType;
  std::string_view comment;
  bool opensInProgram;  // the desktop entry offers the program for it
  // The root element of an XML type ("" for our own binary files): the
  // desktop tells the file by it, so Kort's templates are recognised without
  // claiming every .xml file.
  std::string_view xmlRoot;
};

// Item files are imported from inside the workbench, not opened, so only the
// templates name the program as their handler.
inline constexpr std::array<DesktopFileType, 7> kDesktopFileTypes{{
    // clang-format off
    {"qmc", "application/x-quillmark-template", "Quillmark Classic template", true, ""},
    {"qmy", "application/x-quillmark-old-template", "Quillmark Classic template (old layout)", true, ""},
    {"qmx", "application/x-quillmark-item", "Quillmark Classic item", false, ""},
    {"qmi", "application/x-quillmark-old-item", "Quillmark Classic item (old layout)", false, ""},
    {"znk", "application/x-zenkcraft-template", "Zenkcraft template", true, "PlayerSaveData"},
    {"mmr", "application/x-loki-template", "Loki template", true, "character"},
    {"", "application/x-kort-template", "Kort's spellcraft calculator template", true, "SCTemplate"},
    // clang-format on
}};

}  // namespace qm
