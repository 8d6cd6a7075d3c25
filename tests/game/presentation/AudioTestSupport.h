#pragma once

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "tests/support/FakeAudioDevice.h"

namespace audio_test {

// The sound module on the recording audio device, started for the scope;
// it is the default sound module while it lives.
class RecordingSoundModule {
public:
    RecordingSoundModule()
    {
        auto device = std::make_unique<testsupport::FakeAudioDevice>();
        m_device = device.get();
        m_module = std::make_unique<UlvoSoundBasic_FMOD>(std::move(device));
        m_module->Startup();
    }
    ~RecordingSoundModule() { m_module->Shutdown(); }
    RecordingSoundModule(const RecordingSoundModule&) = delete;
    RecordingSoundModule& operator=(const RecordingSoundModule&) = delete;

    // The device calls since the last take, as "load NAME", "free NAME",
    // "play NAME once|loop" and "stop NAME", NAME being the sound's name
    // without its "SOUND_" prefix.
    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> lines;
        const std::vector<std::string>& calls = m_device->Calls();
        for (; m_seen < calls.size(); ++m_seen) {
            std::istringstream call(calls[m_seen]);
            std::string operation;
            call >> operation;
            int handle = 0;
            if (operation == "LoadSample") {
                std::string path;
                call >> path;
                const size_t start = path.rfind("/SOUND_") + 7;
                // The device numbers the samples it loads from 1 on.
                m_samples[++m_loads] = path.substr(start, path.rfind('.') - start);
                lines.push_back("load " + m_samples[m_loads]);
            } else if (operation == "FreeSample" && call >> handle) {
                lines.push_back("free " + m_samples[handle]);
            } else if (operation == "Play" && call >> handle) {
                std::string loop;
                call >> loop;
                m_lastPlayed = m_samples[handle];
                lines.push_back("play " + m_lastPlayed + " " + loop);
            } else if (operation == "SetFrequency" && call >> handle) {
                // Every play sets its channel's frequency right after it starts.
                m_channels[handle] = m_lastPlayed;
            } else if (operation == "Stop" && call >> handle) {
                lines.push_back("stop " + m_channels[handle]);
            }
        }
        return lines;
    }

private:
    testsupport::FakeAudioDevice* m_device = nullptr;
    std::unique_ptr<UlvoSoundBasic_FMOD> m_module;
    size_t m_seen = 0;
    int m_loads = 0;
    std::map<int, std::string> m_samples;
    std::map<int, std::string> m_channels;
    std::string m_lastPlayed;
};

// The calls of the given kind ("load", "play", ...) among lines.
inline std::vector<std::string> Only(const std::string& kind, const std::vector<std::string>& lines)
{
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.compare(0, kind.size() + 1, kind + " ") == 0) {
            found.push_back(line);
        }
    }
    return found;
}

}  // namespace audio_test
