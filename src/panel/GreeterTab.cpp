#include "panel/GreeterTab.h"

#include <filesystem>

#include "panel/Startup.h"
#include "storage/ListFile.h"
#include "styling/TextStyle.h"

namespace quorvel {
namespace {

void ChangeSelection(Bot& bot, const FormatChange& change) {
  BotSettings& s = bot.settings;
  // With only the caret placed there is no text to change.
  if (s.EditorSelLength > 0) s.DesignEditor.FormatRange(s.EditorSelStart, s.EditorSelLength, change);
  bot.view.EditorChanged();
}

// Writes an index file and reads it back. A write that fails leaves the list
// in memory as it was, tells the operator, and ends the save.
bool RewriteIndex(Bot& bot, const char* name, PanelList& list) {
  if (!SaveListFile(ProgramFile(bot, name), list.Items, false)) {
    bot.host.dialogs.ShowMessage(MissingFileMessage(name), kSavedTitle, MessageButtons::Ok, MessageIcon::Error);
    return false;
  }
  list.Clear();
  LoadListFile(ProgramFile(bot, name), list.Items);
  return true;
}

bool RewriteIndexes(Bot& bot) {
  const bool ok = RewriteIndex(bot, "dlist.txt", bot.settings.DesignFiles) &&
                  RewriteIndex(bot, "dlistd.txt", bot.settings.DesignNames);
  bot.view.ListChanged(PanelListId::DesignNames);
  return ok;
}

}  // namespace

void EditorSetPlainText(Bot& bot, const std::string& text) {
  bot.settings.DesignEditor.SetPlainText(text);
  EditorSelect(bot, 0, 0);
}

void EditorSetRtf(Bot& bot, const std::string& rtf) {
  bot.settings.DesignEditor.SetRtf(rtf);
  EditorSelect(bot, 0, 0);
}

void EditorSelect(Bot& bot, size_t start, size_t length) {
  BotSettings& s = bot.settings;
  s.EditorSelStart = std::min(start, s.DesignEditor.Size());
  s.EditorSelLength = std::min(length, s.DesignEditor.Size() - s.EditorSelStart);
  bot.view.EditorChanged();
}

void EditorBold(Bot& bot) {
  FormatChange change;
  change.Bold = true;
  ChangeSelection(bot, change);
}

void EditorSize(Bot& bot, int points) {
  FormatChange change;
  change.HalfPoints = points * 2;
  ChangeSelection(bot, change);
}

void EditorColor(Bot& bot) {
  BotSettings& s = bot.settings;
  // A cancelled dialog gives back the colour it holds.
  s.DialogColor = bot.host.dialogs.AskColor(s.DialogColor).value_or(s.DialogColor);
  FormatChange change;
  change.Color = s.DialogColor;
  ChangeSelection(bot, change);
}

void EditorClear(Bot& bot) {
  bot.settings.DesignEditor.Clear();
  EditorSelect(bot, 0, 0);
}

void EditorFade(Bot& bot) {
  BotSettings& s = bot.settings;
  FadeBuffer(s.DesignEditor, s.Style.DesignFadeColorA, s.Style.DesignFadeColorB);
  EditorSelect(bot, 0, 0);
}

void OpenSaveAs(Bot& bot) {
  if (bot.settings.SaveAsOpen) return;
  bot.settings.SaveAsOpen = true;
  bot.settings.SaveAsName.clear();
  bot.view.BotWindowOpened(kSaveAsCaption);
}

void SaveDesign(Bot& bot) {
  BotSettings& s = bot.settings;
  if (!s.SaveAsOpen) return;
  const std::string name = s.SaveAsName;
  // A name the file system would not take writes no file; the lists still gain it.
  if (const auto file = DesignFile(bot, name)) {
    // The "Designs" folder is made when it is missing, so the design is not lost.
    std::error_code ec;
    std::filesystem::create_directories(bot.programDir / "Designs", ec);
    s.DesignEditor.SaveRtfFile(*file);
  }
  s.DesignFiles.Items.push_back(name);
  s.DesignNames.Items.push_back(s.DesignEditor.PlainText() + " ");
  if (!RewriteIndexes(bot)) return;  // the dialog stays open
  s.SaveAsName.clear();
  s.SaveAsOpen = false;
  bot.view.BotWindowClosed(kSaveAsCaption);
}

void DeleteDesigns(Bot& bot) {
  BotSettings& s = bot.settings;
  s.DesignNames.RemoveSelectedWith(s.DesignFiles);
  RewriteIndexes(bot);
}

void PreviewDesign(Bot& bot, size_t entry) {
  BotSettings& s = bot.settings;
  s.DesignEditor.Clear();
  if (entry < s.DesignFiles.Items.size())
    if (const auto file = DesignFile(bot, s.DesignFiles.Items[entry])) s.DesignEditor.LoadRtfFile(*file);
  EditorSelect(bot, 0, 0);
}

void PickDesigns(Bot& bot, const std::vector<size_t>& entries) {
  BotSettings& s = bot.settings;
  s.DesignNames.Selected.clear();
  for (size_t e : entries)
    if (e < s.DesignNames.Items.size()) s.DesignNames.Selected.insert(e);
  if (!entries.empty()) PreviewDesign(bot, entries.back());
  bot.view.ListChanged(PanelListId::DesignNames);
}

}  // namespace quorvel
