// The channel names a property page lists for a file, in channel order, empty names left out.
#pragma once

#include <string>
#include <vector>

class CIBWPreview;
class CQVDFReader;

// The shown name of channel i: an image channel's footer key loses its tail from "FileStart" on
// (any case), so HeightFileStart shows as Height; force-curve names stay as written. Empty
// outside the channels.
std::string ChannelListName(const CIBWPreview& preview, int i);

std::vector<std::string> ChannelListNames(const CIBWPreview& preview);
std::vector<std::string> ChannelListNames(const CQVDFReader& reader);
