// The channels a property page lists for a file, in channel order, empty names left out. Each
// entry keeps its channel's index: once a name is left out, list positions and channels differ.
#pragma once

#include <string>
#include <vector>

class CIBWPreview;
class CQVDFReader;

struct ChannelListEntry {
    int channel = 0; // the footer's channel or the container's image
    std::string name;
    bool operator==(const ChannelListEntry&) const = default;
};

// The shown name of channel i: an image channel's footer key loses its tail from "FileStart" on
// (any case), so HeightFileStart shows as Height; force-curve names stay as written. Empty
// outside the channels.
std::string ChannelListName(const CIBWPreview& preview, int i);

std::vector<ChannelListEntry> ChannelListNames(const CIBWPreview& preview);
std::vector<ChannelListEntry> ChannelListNames(const CQVDFReader& reader);
