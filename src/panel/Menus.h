#pragma once
// The menu bar: "About", "Help", "Contact".
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kAboutCaption = "About";
inline constexpr const char* kContactCaption = "Contact";
inline constexpr const char* kProgramName = "Quorvel";
inline constexpr const char* kAboutText =
    "This a program for paltallk room admins it has greeter, autobouncer, responder, anouncer and a lot of more "
    "stuff.";
inline constexpr const char* kMakerAddress = "http://www.quorvel.com";
inline constexpr const char* kHelpFile = "help.htm";

void ShowAbout(Bot& bot);
void OpenHelp(Bot& bot);  // help.htm beside the program; a missing file is the shell's business
void ShowContact(Bot& bot);
void OpenMakerPage(Bot& bot);  // the Contact window's link

}  // namespace quorvel
