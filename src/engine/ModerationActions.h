#pragma once
#include <string>

#include "panel/Bot.h"

namespace quorvel {

// The four actions: read the room's nicks, find the target, select it in the
// client and fire the command. The first two act on JoinedNick and compare
// exactly; the message ones act on the "bc! "/"rd! " argument, compare
// lower-cased and send the personalised notice. Each empties its target field
// and RoomNickList when done.
void BounceNick(Bot& bot);
void RedDotNick(Bot& bot);
void BounceNickWithMessage(Bot& bot);
void RedDotNickWithMessage(Bot& bot);

// The template's RTF with "sn%" and "ad%" filled in (values made safe for RTF).
std::string PersonaliseNotice(const RichText& messageTemplate, const std::string& target, const std::string& admin);

}  // namespace quorvel
