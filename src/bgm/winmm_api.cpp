#include "bgm/winmm_api.h"

namespace Kovaro_BGM {

WinmmApi RealWinmm() {
  return {
#define KOVARO_WINMM_BIND(name) &::name,
      KOVARO_WINMM_FUNCTIONS(KOVARO_WINMM_BIND)
#undef KOVARO_WINMM_BIND
  };
}

WinmmApi Winmm = RealWinmm();

}  // namespace Kovaro_BGM
