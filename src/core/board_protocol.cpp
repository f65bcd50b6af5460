#include "core/board_protocol.h"

#include "core/glyphgrid_protocol.h"
#include "core/uno_r4_live.h"

namespace glyphgrid {

std::vector<std::uint8_t> FrameBytes(BoardProtocol protocol, const LampMatrix& lamps,
                                     const WiringProfile& profile) {
  if (protocol == BoardProtocol::UnoR4Live) {
    const UnoR4LiveFrame frame = EncodeUnoR4LiveFrame(lamps, profile.offset);
    return {frame.begin(), frame.end()};
  }
  return FrameMessage(lamps, profile);
}

}  // namespace glyphgrid
