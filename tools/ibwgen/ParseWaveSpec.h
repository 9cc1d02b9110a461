#pragma once

#include "tools/ibwgen/IbwGen.h"

#include <string>
#include <vector>

namespace ibwgen {

// Builds a description from key=value lines (the ibwgen command line); false with a message for a
// line it does not understand. version=1, 2 or 3 writes that version's layout, of one dimension;
// values= gives every element exactly (in the type's range), in place of fill. Keys:
//   byteorder=little|big  version=N  type=0x02  name=TEXT  dims=N0,N1,N2,N3  spacing=D,..  start=D,..
//   dataunits=TEXT  dimunits=U0,U1,U2,U3  dimname0..3=TEXT  labels0..3=A,B,..  note=LINE (repeatable)
//   trailer=KTZ9W|Force|none  fill=zero|ramp  values=D,D,..  preview=WIDTHxHEIGHT  footerversion=1|2
//   points=N  wavesize=N  notesize=N  checksumdelta=N   (overrides for damaged files)
bool ParseWaveSpec(const std::vector<std::string>& lines, WaveSpec* waveSpec, std::string* error);

} // namespace ibwgen
