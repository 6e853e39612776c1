#include "panel/GreeterTab.h"

#include "panel/SaveOrTell.h"
#include "panel/Startup.h"
#include "storage/ListFile.h"
#include "styling/TextStyle.h"

namespace quorvel {
namespace {

void ChangeSelection(Bot& bot, const FormatChange& change) {
  BotSettings& s = bot.settings;
  // With only the caret placed there is no text to change.
  if (s.Panel.EditorSelLength > 0)
    s.Greeter.DesignEditor.FormatRange(s.Panel.EditorSelStart, s.Panel.EditorSelLength, change);
  bot.view.EditorChanged();
}

// Writes an index file and reads it back. A write that fails leaves the list
// in memory as it was, tells the operator, and ends the save.
bool RewriteIndex(Bot& bot, const char* name, PanelList& list) {
  if (!SaveProgramList(bot, name, list.Items)) {
    bot.host.dialogs.ShowMessage(MissingFileMessage(name), kSavedTitle, MessageButtons::Ok, MessageIcon::Error);
    return false;
  }
  list.Clear();
  LoadListFile(ProgramFile(bot, name), list.Items);
  return true;
}

// The name "Cool Greetings" shows for a design: its text on one line, its
// double quotes made single, so that "dlistd.txt" gives it back as one entry
// and the two lists stay in step.
std::string ShownDesignName(const std::string& plainText) {
  std::string name;
  for (size_t i = 0; i < plainText.size(); ++i) {
    const char c = plainText[i];
    if (c == '\r' && i + 1 < plainText.size() && plainText[i + 1] == '\n') continue;
    name.push_back(c == '\r' || c == '\n' ? ' ' : c == '"' ? '\'' : c);
  }
  return name + " ";
}

bool RewriteIndexes(Bot& bot) {
  const bool ok = RewriteIndex(bot, "dlist.txt", bot.settings.Greeter.DesignFiles) &&
                  RewriteIndex(bot, "dlistd.txt", bot.settings.Greeter.DesignNames);
  bot.view.ListChanged(PanelListId::DesignNames);
  return ok;
}

}  // namespace

void EditorSetPlainText(Bot& bot, const std::string& text) {
  bot.settings.Greeter.DesignEditor.SetPlainText(text);
  EditorSelect(bot, 0, 0);
}

void EditorSetRtf(Bot& bot, const std::string& rtf) {
  bot.settings.Greeter.DesignEditor.SetRtf(rtf);
  EditorSelect(bot, 0, 0);
}

void EditorSelect(Bot& bot, size_t start, size_t length) {
  BotSettings& s = bot.settings;
  s.Panel.EditorSelStart = std::min(start, s.Greeter.DesignEditor.Size());
  s.Panel.EditorSelLength = std::min(length, s.Greeter.DesignEditor.Size() - s.Panel.EditorSelStart);
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
  s.Panel.DialogColor = bot.host.dialogs.AskColor(s.Panel.DialogColor).value_or(s.Panel.DialogColor);
  FormatChange change;
  change.Color = s.Panel.DialogColor;
  ChangeSelection(bot, change);
}

void EditorClear(Bot& bot) {
  bot.settings.Greeter.DesignEditor.Clear();
  EditorSelect(bot, 0, 0);
}

void EditorFade(Bot& bot) {
  BotSettings& s = bot.settings;
  FadeBuffer(s.Greeter.DesignEditor, s.Style.DesignFadeColorA, s.Style.DesignFadeColorB);
  EditorSelect(bot, 0, 0);
}

void OpenSaveAs(Bot& bot) {
  if (bot.settings.Panel.SaveAsOpen) return;
  bot.settings.Panel.SaveAsOpen = true;
  bot.settings.Panel.SaveAsName.clear();
  bot.view.BotWindowOpened(kSaveAsCaption);
}

void SaveDesign(Bot& bot) {
  BotSettings& s = bot.settings;
  if (!s.Panel.SaveAsOpen) return;
  const std::string name = s.Panel.SaveAsName;
  if (EntriesRefused(bot, {name})) return;  // the dialog stays open
  // A name the file system would not take writes no file; the lists still gain it.
  if (const auto file = DesignFile(bot, name)) {
    // The "Designs" folder is made when it is missing, so the design is not lost.
    EnsureFolder(DesignsFolder(bot));
    SavedOrTold(bot, s.Greeter.DesignEditor.SaveRtfFile(*file), "The design", *file);
  }
  s.Greeter.DesignFiles.Items.push_back(name);
  s.Greeter.DesignNames.Items.push_back(ShownDesignName(s.Greeter.DesignEditor.PlainText()));
  if (!RewriteIndexes(bot)) return;  // the dialog stays open
  s.Panel.SaveAsName.clear();
  s.Panel.SaveAsOpen = false;
  bot.view.BotWindowClosed(kSaveAsCaption);
}

void DeleteDesigns(Bot& bot) {
  BotSettings& s = bot.settings;
  s.Greeter.DesignNames.RemoveSelectedWith(s.Greeter.DesignFiles);
  RewriteIndexes(bot);
}

void PreviewDesign(Bot& bot, size_t entry) {
  BotSettings& s = bot.settings;
  s.Greeter.DesignEditor.Clear();
  if (entry < s.Greeter.DesignFiles.Items.size())
    if (const auto file = DesignFile(bot, s.Greeter.DesignFiles.Items[entry]))
      s.Greeter.DesignEditor.LoadRtfFile(*file);
  EditorSelect(bot, 0, 0);
}

void PickDesigns(Bot& bot, const std::vector<size_t>& entries) {
  BotSettings& s = bot.settings;
  s.Greeter.DesignNames.Selected.clear();
  for (size_t e : entries)
    if (e < s.Greeter.DesignNames.Items.size()) s.Greeter.DesignNames.Selected.insert(e);
  if (!entries.empty()) PreviewDesign(bot, entries.back());
  bot.view.ListChanged(PanelListId::DesignNames);
}

}  // namespace quorvel
