#pragma once

#include "experiment/point_readout.h"

#include <string>

namespace lumorix {

// The point readout as the front ends show it beside the point and as assistive technology reads
// it, the marker's value: Czech sentences, one a line, numbers of four significant places at
// most, e.g. for row 285 at the start-up settings:
//   Bod detektoru v řádku 285, 15 px nad osou.
//   Dráha od dírky A 200 px, od dírky B 202,2 px.
//   Rozdíl drah B − A 2,237 px = 0,7122 λ, fázový rozdíl −103,6°.
//   Jas 3824 z 10 000.
// and a last line when a hole is covered or the which-path detector is on.
std::string pointReadoutText(const PointReadout& readout);

} // namespace lumorix
