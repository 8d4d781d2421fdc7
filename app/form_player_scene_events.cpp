// The main window's handlers of the occasional sounds and the rain cycle.
#include "app/form_player.h"

namespace velmora::app {

void TForm_player::ConnectSceneEventHandlers() {
  chk9.OnClick = [this] { chk9Click(); };
  cbb1.OnChange = [this] { extraCrickets_.IntervalChange(); };
  Timer1.OnTimer = [this] { extraCrickets_.TimerTick(); };
  trckbr10.OnChange = [this] { extraCrickets_.VolumeChange(); };

  chk6.OnClick = [this] { chk6Click(); };
  cbb2.OnChange = [this] { owls_.IntervalChange(); };
  tmr2.OnTimer = [this] { owls_.TimerTick(); };
  trckbr7.OnChange = [this] { owls_.VolumeChange(); };

  // The thunder option and the mode restart the whole cycle.
  chk7.OnClick = chk8.OnClick = rb7.OnClick = rb8.OnClick = [this] { chk7Click(); };
  cbb3.OnChange = [this] { rain_.cbb3Change(); };
  cbb4.OnChange = [this] { rain_.cbb4Change(); };
  btn1.OnClick = [this] { rain_.btn1Click(); };
  tmr3.OnTimer = [this] { rain_.tmr3Timer(); };
  tmr4.OnTimer = [this] { rain_.tmr4Timer(); };
  trckbr9.OnChange = [this] { rain_.trckbr9Change(); };
}

void TForm_player::chk9Click() { extraCrickets_.SwitchClick(); }
void TForm_player::chk6Click() { owls_.SwitchClick(); }
void TForm_player::chk7Click() { rain_.chk7Click(); }

std::int32_t TForm_player::ExtraCricketNumber() const {
  return chk4.Checked() ? scene::DrawInRange(3, 12) : scene::DrawInRange(3, 10);
}

}  // namespace velmora::app
