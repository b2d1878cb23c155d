// The progressed and transit rings of the PNG command, drawn on top of the natal wheel.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "app/MainState.h"
#include "astro/Ephemeris.h"
#include "chart/Surface.h"

namespace natalis {

// options: "--progress --tecnica T --fecha F [--conversa] [--asc-en-arco]" and/or
// "--transit --fecha F --hora H". Computes and draws the ring(s) on s, where the natal
// wheel of st has just been drawn. false, with the message on err, for a wrong option or a
// rejected date or hour, before anything is drawn.
bool DibujarAnillosPng(const std::vector<std::string>& options, MainState& st, Ephemeris& eph,
                       Surface& s, std::ostream& err);

}  // namespace natalis
