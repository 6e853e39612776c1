#pragma once
// The "Greeter" tab: the design editor's buttons, the "Cool Greetings" list,
// "Save To List" with its "Save Greeter As:" dialog, and "Delete".
#include <string>
#include <vector>

#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kSaveAsCaption = "Save Greeter As:";

void EditorSetPlainText(Bot& bot, const std::string& text);
void EditorSetRtf(Bot& bot, const std::string& rtf);
void EditorSelect(Bot& bot, size_t start, size_t length);
void EditorBold(Bot& bot);
void EditorSize(Bot& bot, int points);  // the three "A" buttons: 8, 10, 11
void EditorColor(Bot& bot);
void EditorClear(Bot& bot);
void EditorFade(Bot& bot);

void OpenSaveAs(Bot& bot);
void SaveDesign(Bot& bot);  // "Save" of "Save Greeter As:"
void DeleteDesigns(Bot& bot);
// A click on "Cool Greetings": the entries become the selection and the last
// one given is shown in the editor.
void PickDesigns(Bot& bot, const std::vector<size_t>& entries);
void PreviewDesign(Bot& bot, size_t entry);

}  // namespace quorvel
