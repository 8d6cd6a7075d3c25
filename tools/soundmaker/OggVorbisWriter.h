#pragma once

#include <cstdint>
#include <string>

#include "tools/soundmaker/Synth.h"

namespace soundmaker {

struct VorbisSettings {
    // libvorbis's variable-bit-rate quality, -0.1 to 1.0.
    float quality = 0.2f;
    // The Ogg stream's serial number: fixed, so that a second run writes
    // the same bytes.
    int serial = 1;
};

// Encodes a mono signal (samples in [-1, 1]) at SAMPLE_RATE as Ogg Vorbis
// into path. False, with the reason in error, when the file cannot be
// written or the encoder refuses the settings.
bool WriteOggVorbis(const std::string& path, const Signal& signal, const VorbisSettings& settings,
                    std::string& error);

}  // namespace soundmaker
