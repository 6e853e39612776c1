#include "scenario/DemoScenario.h"

namespace quorvel {

const std::string& DemoScenario() {
  static const std::string kDemo = R"(# A Paltalk 10 client signed in as QuorvelBot, with two rooms open.
registry HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Paltalk Messenger DisplayVersion = 10.1
registry HKCU\Software\Paltalk cur_user = QuorvelBot
client
room Chess Club Room
room Lobby Room
nicks Ann @Bob Carol
# The program directory holds the operator's lists.
file words.txt
"damn"
end
file admins.txt
Ann
end
file aun.txt
Troll
end
file dlist.txt
end
file dlistd.txt
end
start
# Discovery found the client's generation and both rooms, newest first.
expect value ClientVersionCode 10
expect list RoomList
Lobby Room
Chess Club Room
end
expect value SelectedRoomTitle Lobby Room
expect value BotNick QuorvelBot
press Start
expect value PollTimer on
# A chat line is read and split into sender and lower-cased text.
line Ann: Hello everyone: Good evening
tick
expect value Sender Ann
expect value Text good evening
expect value UserCountLabel 3
expect value ClockLabel 09:05 PM 9/17/2013
# The status bar: what the tick found of the room's windows.
expect value Health Room found | Transcript found | Send box found | Nick list found
# A greeting design, faded from red to blue, saved to "Cool Greetings".
editor *%sn welcome to %rn!
press Greeter.Fade
press Greeter.SaveToList
type SaveAsName welcome
press SaveAs.Save
expect window Save Greeter As:
expect list DesignNames
*%sn welcome to %rn!\s
end
# A newcomer is greeted with it, the placeholders filled in.
press Greeter.Start
join Dave
tick
expect sent *Dave welcome to Lobby Room!
expect char 0 color=F2000D size=10 font=Arial
expect char 26 color=0000FF
expect value JoinedNick
expect value LastVisitorBox Dave
expect value UserCountLabel 4
press Greeter.Stop
# A nick on the auto-bounce list is bounced as he joins.
press Autobounce.Start
join Troll
tick
expect posted 32947 Troll
expect started BC.exe
expect no-sent
# The swear monitor warns a first offence and bounces the second.
press Swearbot.Start
set WarnFirst Yes
line Carol: damn this lag
tick
expect sent Carol don't say damn in this room.
expect list WarnedUsers
Carol
end
line Carol: damn it
tick
expect posted 32947 Carol
expect started BC.exe
expect sent Carol was bounce swearing in the room
tick
expect value UserCountLabel 3
# Two messages between two ticks: each is read, and each acted on, in order.
line Ann: damn the clock
line Bob: and damn the lag
tick
expect sent Ann don't say damn in this room.
expect sent Bob don't say damn in this room.
press Swearbot.Stop
# Ann, an admin, works the bot from the room.
line Ann: Responder ON
tick
expect sent Responder is now On
expect value ResponderLabel Responder On
# A message is acted on once: the next tick finds nothing new.
tick
join zoe
tick
line Ann: seen! zoe
tick
expect sent zoe last seen on 09:05 PM 9/17/2013
tick
line Ann: adda! Chess tonight at nine
tick
expect sent Anounce Added
expect file ans3.txt
chess tonight at nine
end
tick
# The announcer posts the new entry, styled bold and red.
type AnnounceInterval 2
press Anouncer.Start
tick 2
expect sent chess tonight at nine
expect char 0 color=FF0000 bold
press Anouncer.Stop
# A whisper is followed back to its text, three lines above its end.
line Bob: psst
line ***** Whisper from Bob
line (private)
line ***** End Whisper
tick
expect value Text bob: psst
# The client's notice window is closed within one tick.
notice
tick
expect closed Notice from Paltalk
press Stop
tick 3
expect value PollTimer off
expect none
)";
  return kDemo;
}

}  // namespace quorvel
