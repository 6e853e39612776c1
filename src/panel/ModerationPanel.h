#pragma once
// The operator's moderation controls: the hot keys, the "Manual" and "Enable
// JRM" frames, the "Bc/Dot" list frames and the "SwearBot" tab's lists.
#include "model/Bot.h"

namespace quorvel {

inline constexpr int kHotKeyBounce = 1;  // F7
inline constexpr int kHotKeyRedDot = 2;  // F8

// Act on the nick the operator selected in the client.
void HotKeyBounce(Bot& bot);  // F7: bounce, BC.exe, the bot comes to the front
void HotKeyRedDot(Bot& bot);  // F8
void ManualBounce(Bot& bot);
void ManualRedDot(Bot& bot);
void EnableJrm(Bot& bot);
void HotKeyPressed(Bot& bot, int id);

void PhrasesAdd(Bot& bot);
void PhrasesDelete(Bot& bot);
void PhrasesSave(Bot& bot);  // words.txt, items in quotes
void WarnedUsersRemove(Bot& bot);

void AutoBounceAdd(Bot& bot);
void AutoBounceDelete(Bot& bot);
void AutoBounceSave(Bot& bot);  // aun.txt
void AutoRedotAdd(Bot& bot);
void AutoRedotDelete(Bot& bot);
void AutoRedotSave(Bot& bot);  // aur.txt

}  // namespace quorvel
