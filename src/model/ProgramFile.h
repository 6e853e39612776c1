#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Bot.h"
#include "storage/ListFile.h"

namespace quorvel {

// ProgramDir + "\" + name, and the design file of a name: nothing for a name
// with characters not allowed in file names, which could reach outside the
// "Designs" folder.
std::string ProgramFile(const Bot& bot, const std::string& name);
std::optional<std::string> DesignFile(const Bot& bot, const std::string& name);
std::string DesignsFolder(const Bot& bot);
// The list files of the program directory, in the order start-up reads them.
inline constexpr std::array<const char*, 11> kProgramListFiles = {"words.txt", "admins.txt", "nicks.txt", "codes.txt",
                                                                  "aun.txt",   "aur.txt",    "mes.txt",   "ans.txt",
                                                                  "dlist.txt", "dlistd.txt", "ans3.txt"};
// The list files start-up reads from the program directory.
bool IsProgramListFile(const std::string& name);
// The place of a list file in kProgramListFiles; its size for another name.
size_t ListFileIndex(std::string_view name);
// The list a list file of the program directory holds; nothing for another name.
PanelList* ProgramList(BotSettings& settings, std::string_view name);
const PanelList* ProgramList(const BotSettings& settings, std::string_view name);
// The list file kept in step with this one, entry by entry ("ans.txt" for
// "mes.txt" and the other way round); nullptr when there is none.
const char* PairedListFile(std::string_view name);
// How a list file of the program directory is written: the phrase list
// always quoted, every other list quoted where an item needs it.
ListQuoting ListFileQuoting(const std::string& name);
// Writes a list file of the program directory in its own form; once written,
// the file counts as holding those items (BotSettings::OnDisk).
SaveResult SaveProgramList(Bot& bot, const std::string& name, const std::vector<std::string>& items);
// Notes that every list file holds its list as it now is, after loading.
void RememberListsOnDisk(BotSettings& settings);
// The list files whose lists changed since they were loaded or saved.
std::vector<std::string> ListFilesChanged(const BotSettings& settings);
// "One of the files [NAME]does not exist!"
std::string MissingFileMessage(const std::string& name);

// Told, as a notice or a message box, when an entry is refused: no list file
// could give it back as it is.
inline constexpr const char* kEntryRefusedMessage = "Not added: an entry cannot hold a double quote or a line break.";

}  // namespace quorvel
