#pragma once
// What random traffic says in a room: the nicks, the chat and the admin's
// commands that both the simulator's traffic run and the soak of the real
// program draw from, so the two exercise the same features.
#include <string>
#include <vector>

namespace quorvel {

inline const std::vector<std::string> kTrafficNicks = {
    "Ann",  "Bob", "Cid",  "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy", "Jon",  "Kim", "Lou", "Max",   "Ned",
    "Oona", "Pat", "Quin", "Rex", "Sue", "Tom", "Uma", "Vic", "Wes", "Xena", "Yul", "Zed", "Spam1", "Spam2"};
inline const std::vector<std::string> kTrafficWords = {"hello", "classic", "hi bot", "heck",  "how are you", "lol",
                                                       "shell", "darn it", "bye",    "what?", "good night",  "brb"};
// Those that add to a list take their argument from a short list, so a long
// run adds the same few entries again and again.
inline const std::vector<std::string> kTrafficCommands = {
    "greeter off", "greeter on", "swearbot off", "swearbot on", "ab off",        "ab on",
    "rd off",      "rd on",      "anouncer off", "anouncer on", "responder off", "responder on",
    "rt",          "asing!",     "amult!",       "arand!",      "adda! news",    "at! 7",
    "seen! bob",   "as! darn",   "aba! spam2",   "aa! spam1",   "ad! kim",       "rm! ping dv! pong sn%",
    "bc! bob",     "rd! cid",    "flood off",    "flood on"};

}  // namespace quorvel
