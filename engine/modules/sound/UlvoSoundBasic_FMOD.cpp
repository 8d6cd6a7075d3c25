#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoPath.h"
#include "platform/audio/SdlAudioDevice.h"

namespace {

// One sound output per process: a second module would fight the first over
// the device.
bool s_isInitialized = false;

constexpr int kMixRate = 44100;
constexpr int kChannelCount = 128;

// Tried in this order; the first file that exists is the sound.
const char* const kSampleExtensions[] = {".ogg", ".mp3", ".wav"};

// Non-finite values count as silence, so a bad volume never plays loud.
int ToDeviceVolume(double volume) {
  double scaled = volume * 255.0;
  if (!(scaled > 0.0)) return 0;
  if (scaled >= platform::kMaxVolume) return platform::kMaxVolume;
  return static_cast<int>(scaled);
}

// -1 is left, 0 the centre and 1 right. The device's centre keeps a stereo
// sound's own image, so a centred stereo sample needs no special pan.
int ToDevicePan(float pan) {
  double offset = static_cast<double>(pan) * -128.0;
  if (std::isnan(offset)) return platform::kPanCentre;
  double device = 128.0 - std::trunc(offset);
  if (device <= platform::kPanLeft) return platform::kPanLeft;
  if (device >= platform::kPanRight) return platform::kPanRight;
  return static_cast<int>(device);
}

platform::LoopMode ToDeviceLoop(unsigned loopBits) {
  constexpr unsigned kRepeating = UlvoSoundInterface::LOOP_NORMAL | UlvoSoundInterface::LOOP_BIDI;
  return (loopBits & kRepeating) != 0 ? platform::LoopMode::Loop : platform::LoopMode::Once;
}

// A scale of 0 or less (or not a number) asks for the slowest play the
// device offers, never the sample's own frequency.
int ToDeviceFrequency(const platform::SampleInfo& info, float scale) {
  double frequency = static_cast<double>(info.frequency) * static_cast<double>(scale);
  if (!(frequency >= 1.0)) return 1;
  if (frequency >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(frequency);
}

uint32_t PlayDurationMs(const platform::SampleInfo& info, int loopMode) {
  if (loopMode != UlvoSoundInterface::LOOP_OFF || info.frequency <= 0) {
    return std::numeric_limits<uint32_t>::max();
  }
  double ms = static_cast<double>(info.frames) / static_cast<double>(info.frequency) * 1000.0;
  return ms >= std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                    : static_cast<uint32_t>(ms);
}

bool FileOpensForReading(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// The resolved path of the first existing file for the sound, or empty.
std::string FindSampleFile(const std::string& name) {
  for (const char* extension : kSampleExtensions) {
    std::string path = UlvoPath(PATH_MARKER_DATA, name + extension).GetResolvedPath();
    if (FileOpensForReading(path)) return path;
  }
  return std::string();
}

}  // namespace

std::unique_ptr<UlvoSoundBasic_FMOD> UlvoSoundBasic_FMOD::Create() {
  return std::make_unique<UlvoSoundBasic_FMOD>(std::make_unique<platform::SdlAudioDevice>());
}

UlvoSoundBasic_FMOD::UlvoSoundBasic_FMOD(std::unique_ptr<platform::AudioDevice> device)
    : m_device(std::move(device)) {}

// A module destroyed without its shutdown still gives the sound output up,
// so that another module can start.
UlvoSoundBasic_FMOD::~UlvoSoundBasic_FMOD() {
  if (m_isWorking) {
    m_device->Close();
    s_isInitialized = false;
  }
}

void UlvoSoundBasic_FMOD::Startup() {
  ConsolePrintf("::: Initialization : UlvoSoundBasic_FMOD (starting)\n");
  ULVO_ASSERT(!s_isInitialized,
              "UlvoSoundBasic_FMOD was initialized twice; either a second one was started or "
              "Startup() was called on an already-running system.",
              "UlvoSoundBasic_FMOD::Startup");
  platform::AudioSettings settings;
  settings.mixRate = kMixRate;
  settings.channelCount = kChannelCount;
  if (!m_device->Open(settings)) {
    ConsolePrintf("WARNING: no sound output could be opened (%s); the game carries on without "
                  "sound.\n",
                  m_device->LastError().c_str());
    return;
  }
  m_isWorking = true;
  SubscribeToEvents();
  s_isInitialized = true;
  ConsolePrintf("::: Initialization : UlvoSoundBasic_FMOD (finished)\n");
}

void UlvoSoundBasic_FMOD::Shutdown() {
  ConsolePrintf("::: Shutdown : UlvoSoundBasic_FMOD (starting)\n");
  if (m_isWorking) {
    UnregisterAll();
    m_device->Close();
    if (UlvoEventSystem* events = UlvoEventSystem::GetGlobal()) events->UnregisterRecipient(this);
    m_isWorking = false;
    s_isInitialized = false;
  }
  ConsolePrintf("::: Shutdown : UlvoSoundBasic_FMOD (finished)\n");
}

void UlvoSoundBasic_FMOD::Update() {
  if (!m_isWorking) return;
  ForgetEndedPlays();
  for (auto& entry : m_streams) {
    StreamRecord& stream = entry.second;
    if (stream.channel != platform::kNoChannel && !m_device->IsPlaying(stream.channel)) {
      stream.channel = platform::kNoChannel;
    }
  }
}

// Muting forgets every sample play; each is halted first, since a
// forgotten play could never be stopped or paused again.
void UlvoSoundBasic_FMOD::ForgetEndedPlays() {
  for (auto& entry : m_samples) {
    auto& channels = entry.second.channels;
    for (auto it = channels.begin(); it != channels.end();) {
      if (m_isMuted) {
        m_device->Stop(it->channel);
        it = channels.erase(it);
      } else if (!m_device->IsPlaying(it->channel)) {
        it = channels.erase(it);
      } else {
        ++it;
      }
    }
  }
}

void UlvoSoundBasic_FMOD::Render() {
  if (m_isWorking) DebugRender();
}

void UlvoSoundBasic_FMOD::DebugRender() {}

bool UlvoSoundBasic_FMOD::IsFMODOk() {
  return m_device->LastError().empty();
}

// The device offers no spectrum: every band reads as silent, which leaves
// the floor.
float UlvoSoundBasic_FMOD::GetSpectrumPeak(int) {
  return m_isWorking ? 0.1f : 0.0f;
}

void UlvoSoundBasic_FMOD::RegisterSample(int id, const std::string& name) {
  if (!m_isWorking) return;
  if (m_samples.count(id) != 0) UnregisterSample(id);

  // Every sound the game registers ships with it: one that is not there,
  // or is there but cannot be decoded, means a broken installation, which
  // stops the game naming the file.
  std::string path = FindSampleFile(name);
  if (path.empty()) {
    ConsolePrintf("UlvoSoundBasic_FMOD::RegisterSample: Cannot find audio file %s[.ogg|.mp3|.wav].\n",
                  name.c_str());
    ULVO_ERROR(Stringf("Cannot find audio file %s[.ogg|.mp3|.wav].\n", name.c_str()),
               "UlvoSoundBasic_FMOD::RegisterSample");
  }
  platform::SampleHandle handle = m_device->LoadSample(path);
  if (handle == platform::kNoSample) {
    ConsolePrintf("UlvoSoundBasic_FMOD::RegisterSample: FMOD Unable to load sound %s\n",
                  path.c_str());
    ULVO_ERROR(Stringf("FMOD failed to load the sound data in file %s\n", path.c_str()),
               "UlvoSoundBasic_FMOD::RegisterSample");
  }
  m_samples[id].handle = handle;
}

void UlvoSoundBasic_FMOD::RegisterStream(int id, const std::string& path, unsigned mode) {
  if (!m_isWorking) return;
  if (m_streams.count(id) != 0) UnregisterStream(id);
  platform::StreamHandle handle = m_device->OpenStream(path, ToDeviceLoop(mode));
  if (handle == platform::kNoStream) {
    ConsolePrintf("WARNING: could not load streaming sound %s.\n", path.c_str());
    return;
  }
  m_streams[id].handle = handle;
}

void UlvoSoundBasic_FMOD::UnregisterSample(int id) {
  if (!m_isWorking) return;
  auto it = m_samples.find(id);
  if (it == m_samples.end()) {
    ConsolePrintf("WARNING: tried to unregister non-existent sound #%i\n", id);
    return;
  }
  m_device->FreeSample(it->second.handle);
  m_samples.erase(it);
}

void UlvoSoundBasic_FMOD::UnregisterStream(int id) {
  if (!m_isWorking) return;
  auto it = m_streams.find(id);
  if (it == m_streams.end()) {
    ConsolePrintf("WARNING: tried to unregister non-existent streaming sound #%i\n", id);
    return;
  }
  m_device->CloseStream(it->second.handle);
  m_streams.erase(it);
}

void UlvoSoundBasic_FMOD::UnregisterAll() {
  if (!m_isWorking) return;
  for (const auto& entry : m_samples) m_device->FreeSample(entry.second.handle);
  for (const auto& entry : m_streams) m_device->CloseStream(entry.second.handle);
  m_samples.clear();
  m_streams.clear();
}

float UlvoSoundBasic_FMOD::GetSampleVolume(int id, int tag) {
  if (!m_isWorking) return 0.0f;
  SampleRecord* sample = FindSample(id);
  if (sample == nullptr) {
    ConsolePrintf("WARNING: tried to ChangeVolume non-existent sound #%i\n", id);
    return 0.0f;
  }
  for (const ChannelRecord& play : sample->channels) {
    if (tag == 0 || play.tag == tag) {
      return static_cast<float>(m_device->GetVolume(play.channel) / 255.0);
    }
  }
  return 0.0f;
}

float UlvoSoundBasic_FMOD::GetStreamVolume(int id) {
  if (!m_isWorking) return 0.0f;
  StreamRecord* stream = FindStream(id);
  if (stream == nullptr) {
    ConsolePrintf("WARNING: tried to GetVolume on non-existent streaming sound #%i\n", id);
    return 0.0f;
  }
  if (stream->channel == platform::kNoChannel) return 0.0f;
  return static_cast<float>(m_device->GetVolume(stream->channel) / 255.0);
}

void UlvoSoundBasic_FMOD::ChangeSampleFrequency(int id, float scale) {
  if (!m_isWorking) return;
  SampleRecord* sample = FindSample(id);
  if (sample == nullptr || sample->channels.empty()) return;
  m_device->SetFrequency(sample->channels.begin()->channel,
                         ToDeviceFrequency(m_device->GetSampleInfo(sample->handle), scale));
}

void UlvoSoundBasic_FMOD::SetPlaybackLimit(int id, uint8_t limit) {
  if (!m_isWorking) return;
  SampleRecord* sample = FindSample(id);
  if (sample == nullptr) {
    ConsolePrintf("WARNING: tried to set playback limit for non-existent sound #%i\n", id);
    return;
  }
  sample->playbackLimit = limit;
}

void UlvoSoundBasic_FMOD::PlaySample(int id, int tag, int loopMode, float volume,
                                     float frequencyScale, float pan) {
  Play(id, PlayRequest{tag, loopMode, volume, frequencyScale, pan, false});
}

void UlvoSoundBasic_FMOD::PlaySampleEx(int id, int tag, int loopMode, float volume,
                                       float frequencyScale, float pan) {
  Play(id, PlayRequest{tag, loopMode, volume, frequencyScale, pan, true});
}

void UlvoSoundBasic_FMOD::Play(int id, const PlayRequest& request) {
  if (!m_isWorking || m_isMuted) return;
  SampleRecord* sample = FindSample(id);
  if (sample == nullptr) {
    ConsolePrintf("WARNING: tried to play non-existent sound #%i\n", id);
    return;
  }
  if (sample->playbackLimit == 0) return;

  // At the limit (or above it, after the limit was lowered) the play
  // nearest its end makes way: the count of plays never grows past it. A
  // restarted play keeps its channel as it was started, so the music volume
  // that a new music play takes is not applied to it again.
  platform::ChannelHandle channel = platform::kNoChannel;
  bool withMusicVolume = false;
  if (sample->channels.size() >= sample->playbackLimit) {
    channel = RestartOldestPlay(*sample, SettingsFor(*sample, request, false));
  }
  if (channel == platform::kNoChannel) {
    withMusicVolume = request.isMusic;
    channel = m_device->Play(sample->handle, SettingsFor(*sample, request, withMusicVolume));
    if (channel == platform::kNoChannel) {
      ConsolePrintf("WARNING: tried to play sound #%i, but no free sound channels\n", id);
      return;
    }
  }
  if (!m_hasFocus) m_device->SetPaused(channel, true);

  platform::SampleInfo info = m_device->GetSampleInfo(sample->handle);
  sample->channels.insert(ChannelRecord{PlayDurationMs(info, request.loopMode), request.loopMode,
                                        request.tag, channel, request.volume, withMusicVolume});
}

platform::PlaySettings UlvoSoundBasic_FMOD::SettingsFor(const SampleRecord& sample,
                                                        const PlayRequest& request,
                                                        bool withMusicVolume) const {
  platform::PlaySettings settings;
  settings.loop = ToDeviceLoop(static_cast<unsigned>(request.loopMode));
  settings.volume = DeviceVolume(request.volume, withMusicVolume);
  settings.pan = ToDevicePan(request.pan);
  settings.frequency =
      ToDeviceFrequency(m_device->GetSampleInfo(sample.handle), request.frequencyScale);
  return settings;
}

int UlvoSoundBasic_FMOD::DeviceVolume(float playVolume, bool withMusicVolume) const {
  float volume = m_masterVolume * playVolume;
  if (withMusicVolume) volume *= m_musicVolume;
  return ToDeviceVolume(volume);
}

void UlvoSoundBasic_FMOD::ApplyVolumesToPlays() {
  for (const auto& entry : m_samples) {
    for (const ChannelRecord& play : entry.second.channels) {
      m_device->SetVolume(play.channel, DeviceVolume(play.volume, play.withMusicVolume));
    }
  }
}

platform::ChannelHandle UlvoSoundBasic_FMOD::RestartOldestPlay(
    SampleRecord& sample, const platform::PlaySettings& settings) {
  platform::ChannelHandle channel = sample.channels.begin()->channel;
  sample.channels.erase(sample.channels.begin());
  return m_device->Replay(channel, settings) ? channel : platform::kNoChannel;
}

void UlvoSoundBasic_FMOD::PlayStream(int id, float volume) {
  if (!m_isWorking) return;
  StreamRecord* stream = FindStream(id);
  if (stream == nullptr) {
    ConsolePrintf("WARNING: tried to play non-existent streaming sound #%i\n", id);
    return;
  }
  if (stream->channel != platform::kNoChannel) {
    m_device->SetVolume(stream->channel, ToDeviceVolume(volume));
    ConsolePrintf("WARNING: tried to play streaming sound #%i that was already playing\n", id);
    return;
  }
  platform::ChannelHandle channel = m_device->PlayStream(stream->handle, ToDeviceVolume(volume));
  if (channel == platform::kNoChannel) {
    ConsolePrintf("WARNING: tried to play streaming sound #%i, but no free sound channels\n", id);
    return;
  }
  if (!m_hasFocus) m_device->SetPaused(channel, true);
  stream->channel = channel;
}

void UlvoSoundBasic_FMOD::StopSample(int id) {
  StopPlays(id, true, 0);
}

// Tag 0 is a tag like any other here: it stops the untagged plays only.
void UlvoSoundBasic_FMOD::StopSampleByTag(int id, int tag) {
  StopPlays(id, false, tag);
}

void UlvoSoundBasic_FMOD::StopPlays(int id, bool everyTag, int tag) {
  if (!m_isWorking) return;
  SampleRecord* sample = FindSample(id);
  if (sample == nullptr) {
    ConsolePrintf("WARNING: tried to stop non-existent sound #%i\n", id);
    return;
  }
  for (auto it = sample->channels.begin(); it != sample->channels.end();) {
    if (everyTag || it->tag == tag) {
      m_device->Stop(it->channel);
      it = sample->channels.erase(it);
    } else {
      ++it;
    }
  }
}

void UlvoSoundBasic_FMOD::StopStream(int id) {
  if (!m_isWorking) return;
  StreamRecord* stream = FindStream(id);
  if (stream == nullptr) {
    ConsolePrintf("WARNING: tried to stop non-existent streaming sound #%i\n", id);
    return;
  }
  if (stream->channel != platform::kNoChannel) m_device->Stop(stream->channel);
  stream->channel = platform::kNoChannel;
}

void UlvoSoundBasic_FMOD::PauseSample(int id) {
  SetSamplePaused(id, true, "WARNING: tried to pause non-existent sound #%i\n");
}

void UlvoSoundBasic_FMOD::UnpauseSample(int id) {
  SetSamplePaused(id, false, "WARNING: tried to unpause non-existent sound #%i\n");
}

void UlvoSoundBasic_FMOD::PauseStream(int id) {
  SetStreamPaused(id, true, "WARNING: tried to pause non-existent streaming sound #%i\n");
}

void UlvoSoundBasic_FMOD::UnpauseStream(int id) {
  SetStreamPaused(id, false, "WARNING: tried to unpause non-existent streaming sound #%i\n");
}

void UlvoSoundBasic_FMOD::SetSamplePaused(int id, bool paused, const char* warning) {
  if (!m_isWorking) return;
  SampleRecord* sample = FindSample(id);
  if (sample == nullptr) {
    ConsolePrintf(warning, id);
    return;
  }
  for (const ChannelRecord& play : sample->channels) m_device->SetPaused(play.channel, paused);
}

void UlvoSoundBasic_FMOD::SetStreamPaused(int id, bool paused, const char* warning) {
  if (!m_isWorking) return;
  StreamRecord* stream = FindStream(id);
  if (stream == nullptr) {
    ConsolePrintf(warning, id);
    return;
  }
  if (stream->channel != platform::kNoChannel) m_device->SetPaused(stream->channel, paused);
}

void UlvoSoundBasic_FMOD::StopAll() {
  if (!m_isWorking) return;
  for (auto& entry : m_samples) StopSample(entry.first);
  for (auto& entry : m_streams) StopStream(entry.first);
}

void UlvoSoundBasic_FMOD::PauseAll() {
  if (!m_isWorking) return;
  for (auto& entry : m_samples) PauseSample(entry.first);
  for (auto& entry : m_streams) PauseStream(entry.first);
}

void UlvoSoundBasic_FMOD::UnpauseAll() {
  if (!m_isWorking) return;
  for (auto& entry : m_samples) UnpauseSample(entry.first);
  for (auto& entry : m_streams) UnpauseStream(entry.first);
}

void UlvoSoundBasic_FMOD::ChangeSampleVolume(int id, int tag, float volume, int) {
  if (!m_isWorking) return;
  SampleRecord* sample = FindSample(id);
  if (sample == nullptr) {
    ConsolePrintf("WARNING: tried to ChangeVolume non-existent sound #%i\n", id);
    return;
  }
  // The play takes the volume as given; it becomes the play's own volume,
  // which the next master or music volume change scales.
  for (const ChannelRecord& play : sample->channels) {
    if (tag == 0 || play.tag == tag) {
      play.volume = volume;
      m_device->SetVolume(play.channel, ToDeviceVolume(volume));
    }
  }
}

void UlvoSoundBasic_FMOD::ChangeStreamVolume(int id, float volume) {
  if (!m_isWorking) return;
  StreamRecord* stream = FindStream(id);
  if (stream == nullptr) {
    ConsolePrintf("WARNING: tried to ChangeVolume non-existent streaming sound #%i\n", id);
    return;
  }
  if (stream->channel != platform::kNoChannel) {
    m_device->SetVolume(stream->channel, ToDeviceVolume(volume));
  }
}

UlvoSoundBasic_FMOD::SampleRecord* UlvoSoundBasic_FMOD::FindSample(int id) {
  auto it = m_samples.find(id);
  return it == m_samples.end() ? nullptr : &it->second;
}

UlvoSoundBasic_FMOD::StreamRecord* UlvoSoundBasic_FMOD::FindStream(int id) {
  auto it = m_streams.find(id);
  return it == m_streams.end() ? nullptr : &it->second;
}

void UlvoSoundBasic_FMOD::SubscribeToEvents() {
  UlvoEventSystem* events = UlvoEventSystem::GetGlobal();
  RegisterEventHandler("MuteAllAudio", events, &UlvoSoundBasic_FMOD::Event_OnMuteAllAudio, this);
  RegisterEventHandler("UnmuteAllAudio", events, &UlvoSoundBasic_FMOD::Event_OnUnmuteAllAudio,
                       this);
  RegisterEventHandler("SetMasterVolumeEvent", events,
                       &UlvoSoundBasic_FMOD::Event_OnSetMasterVolumeEvent, this);
  RegisterEventHandler("SetSFXVolumeEvent", events,
                       &UlvoSoundBasic_FMOD::Event_OnSetSFXVolumeEvent, this);
  RegisterEventHandler("SetMusicVolumeEvent", events,
                       &UlvoSoundBasic_FMOD::Event_OnSetMusicVolumeEvent, this);
  RegisterEventHandler("OnAppChangeFocus", events, &UlvoSoundBasic_FMOD::Event_OnAppChangeFocus,
                       this);
}

void UlvoSoundBasic_FMOD::Event_OnMuteAllAudio(NamedProperties&) {
  m_isMuted = true;
}

void UlvoSoundBasic_FMOD::Event_OnUnmuteAllAudio(NamedProperties&) {
  m_isMuted = false;
}

// Streams keep the volume they were given: the module's volumes never
// scale them.
void UlvoSoundBasic_FMOD::Event_OnSetMasterVolumeEvent(NamedProperties& args) {
  if (args.Get("Volume", m_masterVolume) == PROPERTY_FETCH_OK) ApplyVolumesToPlays();
}

void UlvoSoundBasic_FMOD::Event_OnSetSFXVolumeEvent(NamedProperties& args) {
  args.Get("Volume", m_sfxVolume);
}

void UlvoSoundBasic_FMOD::Event_OnSetMusicVolumeEvent(NamedProperties& args) {
  if (args.Get("Volume", m_musicVolume) == PROPERTY_FETCH_OK) ApplyVolumesToPlays();
}

void UlvoSoundBasic_FMOD::Event_OnAppChangeFocus(NamedProperties& args) {
  bool hasFocus = true;
  if (args.Get("hasFocus", hasFocus) != PROPERTY_FETCH_OK) return;
  m_hasFocus = hasFocus;
  if (hasFocus) {
    UnpauseAll();
  } else {
    PauseAll();
  }
}
