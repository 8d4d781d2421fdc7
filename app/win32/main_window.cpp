#include "app/win32/main_window.h"

namespace velmora::app {
namespace {

constexpr ui::FormDefinition kDefinition{
    .className = L"TForm_player",
    .caption = L"Velmora",
    .clientWidth = 764,
    .clientHeight = 537,
};

}  // namespace

TForm_player::TForm_player() : ui::Form(kDefinition) {}

}  // namespace velmora::app
