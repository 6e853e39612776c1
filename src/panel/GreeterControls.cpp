// The "Greeter" tab, with its "Save Greeter As:" window.
#include "panel/GreeterTab.h"
#include "panel/ModerationPanel.h"
#include "panel/PanelControlRows.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;
using GM = BotSettings::GreetModes;

const WindowGuard kSaveAs = {[](const S& s) { return s.Panel.SaveAsOpen; }, "\"Save Greeter As:\" is not open"};

}  // namespace

std::vector<PanelControl> GreeterControls() {
  PanelControl designs =
      ListBox("DesignNames", PanelListId::DesignNames, Setting<&S::Greeter, &S::GreeterSettings::DesignNames>);
  designs.Picked = PickDesigns;  // a click previews a design
  PanelControl editor{"EditorText", ControlKind::Editor};
  editor.Rich = Setting<&S::Greeter, &S::GreeterSettings::DesignEditor>;
  std::vector<PanelControl> rows = {
      std::move(editor),
      Button("Greeter.Bold", EditorBold),
      Button("Greeter.Size8", [](Bot& b) { EditorSize(b, 8); }),
      Button("Greeter.Size10", [](Bot& b) { EditorSize(b, 10); }),
      Button("Greeter.Size11", [](Bot& b) { EditorSize(b, 11); }),
      Button("Greeter.Color", EditorColor),
      Button("Greeter.Clear", EditorClear),
      Button("Greeter.SaveToList", OpenSaveAs),
      Button("Greeter.Delete", DeleteDesigns),
      // "Cool Greetings"
      std::move(designs),
      // "Random"
      Options("RandomDesign", Setting<&S::Greeter, &S::GreeterSettings::RandomDesign>,
              {Option("Yes", true), Option("No", false)}),
      // "Fader Options"
      Swatch("DesignFadeColorA", Setting<&S::Style, &TextStyle::DesignFadeColorA>),
      Swatch("DesignFadeColorB", Setting<&S::Style, &TextStyle::DesignFadeColorB>),
      Button("Greeter.Fade", EditorFade),
      // "Mode"
      Options("GreetMode", Setting<&S::Greeter, &S::GreeterSettings::GreetMode>,
              {Option("Whisper", GM::Whisper), Option("Regular", GM::Regular)}),
      // "Enable JRM"
      Button("JRM.Enable", EnableJrm),
      // "Save Greeter As:"
      GuardedBox("SaveAsName", &kSaveAs, Setting<&S::Panel, &S::PanelState::SaveAsName>),
      Button("SaveAs.Save", SaveDesign, &kSaveAs),
  };
  Append(rows, StartStopButtons<Feature::Greeter>("Greeter"));
  return rows;
}

}  // namespace quorvel::rows
