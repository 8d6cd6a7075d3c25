#include "platform/audio/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/audio/Resampling.h"

namespace platform {

namespace {

// A channel handle is serial * kHandleSpan + mixer channel; the stream
// plays on a channel number of its own above every sample channel.
constexpr int kHandleSpan = 256;
constexpr int kStreamIndex = kMaxSampleChannels;
constexpr unsigned kMaxSerial = INT_MAX / kHandleSpan;

// Keeps SDL_mixer's one global device to one owner.
bool s_mixerTaken = false;

constexpr int kMixerChunkFrames = 1024;

ChannelHandle Encode(int index, unsigned serial) {
  return static_cast<int>(serial) * kHandleSpan + index;
}

int Clamp255(int value) {
  return std::clamp(value, 0, 255);
}

int ToMixerVolume(int volume) {
  return (Clamp255(volume) * MIX_MAX_VOLUME + 127) / 255;
}

int ToMixerLoops(LoopMode loop) {
  return loop == LoopMode::Loop ? -1 : 0;
}

// Mix_PlayMusic counts plays, not repeats.
int ToMusicLoops(LoopMode loop) {
  return loop == LoopMode::Loop ? -1 : 1;
}

std::string MixerError() {
  return Mix_GetError();
}

// An effect that changes nothing: it counts what the mixer takes of the
// channel's chunk, so that a play can be resumed where it has got to.
void SDLCALL CountMixedBytes(int, void*, int length, void* counter) {
  static_cast<std::atomic<uint64_t>*>(counter)->fetch_add(static_cast<uint64_t>(length),
                                                          std::memory_order_relaxed);
}

}  // namespace

struct SdlAudioDevice::Sample {
  explicit Sample(Mix_Chunk* c) : chunk(c) {}
  Sample(const Sample&) = delete;
  Sample& operator=(const Sample&) = delete;
  // The mixer stops every channel that plays the chunk before freeing it.
  ~Sample() { Mix_FreeChunk(chunk); }

  Mix_Chunk* chunk;
};

struct SdlAudioDevice::Stream {
  Stream(Mix_Music* m, LoopMode l) : music(m), loop(l) {}
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  // The mixer halts the music first when it is the one playing.
  ~Stream() { Mix_FreeMusic(music); }

  Mix_Music* music;
  LoopMode loop;
};

// A copy of a sample at another frequency or from another frame on; the
// mixer takes its bytes in place.
struct SdlAudioDevice::Rendition {
  explicit Rendition(std::vector<int16_t> p)
      : pcm(std::move(p)),
        chunk(Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(pcm.data()),
                                static_cast<Uint32>(pcm.size() * sizeof(int16_t)))) {}
  Rendition(const Rendition&) = delete;
  Rendition& operator=(const Rendition&) = delete;
  // The mixer stops the channel that plays the copy before it goes.
  ~Rendition() {
    if (chunk != nullptr) Mix_FreeChunk(chunk);
  }

  std::vector<int16_t> pcm;
  Mix_Chunk* chunk;
};

SdlAudioDevice::ChannelState::ChannelState() = default;
SdlAudioDevice::ChannelState::ChannelState(ChannelState&&) noexcept = default;
SdlAudioDevice::ChannelState& SdlAudioDevice::ChannelState::operator=(ChannelState&&) noexcept =
    default;
SdlAudioDevice::ChannelState::~ChannelState() = default;

SdlAudioDevice::SdlAudioDevice() = default;

SdlAudioDevice::~SdlAudioDevice() {
  Close();
}

bool SdlAudioDevice::Open(const AudioSettings& settings) {
  if (m_open) return Fail("the audio device is already open");
  if (s_mixerTaken) return Fail("another audio device is already open");
  if (settings.mixRate <= 0 || settings.channelCount < 1 ||
      settings.channelCount > kMaxSampleChannels) {
    return Fail("unsupported audio settings");
  }
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return Fail(std::string("no audio output: ") + SDL_GetError());
  }
  // Decoders that fail to start here show up as load errors naming the file.
  Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3);
  // No allowed changes: the mix stays at the requested rate in stereo 16-bit
  // and SDL converts it for the output.
  if (Mix_OpenAudioDevice(settings.mixRate, AUDIO_S16SYS, 2, kMixerChunkFrames, nullptr, 0) != 0) {
    std::string why = "cannot open the audio output: " + MixerError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return Fail(why);
  }
  Mix_AllocateChannels(settings.channelCount);

  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  m_mixRate = frequency;
  m_bytesPerFrame = SDL_AUDIO_BITSIZE(format) / 8 * channels;
  m_outputChannels = channels;
  m_sampleChannels = std::vector<ChannelState>(static_cast<size_t>(settings.channelCount));
  m_mixedBytes = std::make_unique<std::atomic<uint64_t>[]>(m_sampleChannels.size());
  m_streamChannel = ChannelState{};
  m_open = true;
  s_mixerTaken = true;
  return Succeed();
}

void SdlAudioDevice::Close() {
  m_lastError.clear();
  if (!m_open) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  m_samples.clear();
  m_streams.clear();
  m_sampleChannels.clear();
  m_streamChannel = ChannelState{};
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  m_mixedBytes.reset();
  m_open = false;
  s_mixerTaken = false;
}

bool SdlAudioDevice::IsOpen() const {
  return m_open;
}

const std::string& SdlAudioDevice::LastError() const {
  return m_lastError;
}

SampleHandle SdlAudioDevice::LoadSample(const std::string& path) {
  if (!FailUnlessOpen()) return kNoSample;
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (chunk == nullptr) {
    Fail("cannot load the sound \"" + path + "\": " + MixerError());
    return kNoSample;
  }
  SampleHandle handle = m_nextSample++;
  m_samples.emplace(handle, std::make_unique<Sample>(chunk));
  Succeed();
  return handle;
}

void SdlAudioDevice::FreeSample(SampleHandle sample) {
  if (!FailUnlessOpen()) return;
  if (FindSample(sample) == nullptr) {
    Fail("no such sample");
    return;
  }
  // Copies of the sample play on after it unless halted.
  for (size_t i = 0; i < m_sampleChannels.size(); ++i) {
    if (m_sampleChannels[i].sample == sample) {
      Mix_HaltChannel(static_cast<int>(i));
      m_sampleChannels[i].rendition.reset();
    }
  }
  m_samples.erase(sample);
  Succeed();
}

SampleInfo SdlAudioDevice::GetSampleInfo(SampleHandle sample) const {
  const Sample* found = FindSample(sample);
  if (found == nullptr || m_bytesPerFrame == 0) return SampleInfo{};
  return SampleInfo{found->chunk->alen / static_cast<unsigned>(m_bytesPerFrame), m_mixRate};
}

ChannelHandle SdlAudioDevice::Play(SampleHandle sample, const PlaySettings& settings) {
  if (!FailUnlessOpen()) return kNoChannel;
  Sample* found = FindSample(sample);
  if (found == nullptr) {
    Fail("no such sample");
    return kNoChannel;
  }
  int index = FindFreeSampleChannel();
  if (index < 0) {
    Fail("every sound channel is busy");
    return kNoChannel;
  }
  ChannelState& state = StateAt(index);
  state.sample = sample;
  state.volume = Clamp255(settings.volume);
  state.pan = Clamp255(settings.pan);
  state.loop = settings.loop;
  state.frequency = SampleFrequency(settings.frequency);
  state.start = 0.0;
  if (!StartSampleChannel(index, *found)) {
    state = ChannelState{};
    return kNoChannel;
  }
  state.serial = NextSerial();
  Succeed();
  return Encode(index, state.serial);
}

bool SdlAudioDevice::Replay(ChannelHandle channel, const PlaySettings& settings) {
  int index = IndexOrFail(channel);
  if (index < 0) return false;
  if (index == kStreamIndex) return Fail("a stream is replayed with PlayStream");
  ChannelState& state = StateAt(index);
  Sample* found = FindSample(state.sample);
  if (found == nullptr) return Fail("the channel's sample was freed");
  Mix_HaltChannel(index);
  state.volume = Clamp255(settings.volume);
  state.pan = Clamp255(settings.pan);
  state.loop = settings.loop;
  state.frequency = SampleFrequency(settings.frequency);
  state.start = 0.0;
  return StartSampleChannel(index, *found) && Succeed();
}

StreamHandle SdlAudioDevice::OpenStream(const std::string& path, LoopMode loop) {
  if (!FailUnlessOpen()) return kNoStream;
  Mix_Music* music = Mix_LoadMUS(path.c_str());
  if (music == nullptr) {
    Fail("cannot open the stream \"" + path + "\": " + MixerError());
    return kNoStream;
  }
  StreamHandle handle = m_nextStream++;
  m_streams.emplace(handle, std::make_unique<Stream>(music, loop));
  Succeed();
  return handle;
}

void SdlAudioDevice::CloseStream(StreamHandle stream) {
  if (!FailUnlessOpen()) return;
  if (m_streams.erase(stream) == 0) {
    Fail("no such stream");
    return;
  }
  Succeed();
}

ChannelHandle SdlAudioDevice::PlayStream(StreamHandle stream, int volume) {
  if (!FailUnlessOpen()) return kNoChannel;
  Stream* found = FindStream(stream);
  if (found == nullptr) {
    Fail("no such stream");
    return kNoChannel;
  }
  if (Mix_PlayingMusic()) {
    Fail("another stream is playing");
    return kNoChannel;
  }
  Mix_VolumeMusic(ToMixerVolume(volume));
  if (Mix_PlayMusic(found->music, ToMusicLoops(found->loop)) != 0) {
    Fail("cannot play the stream: " + MixerError());
    return kNoChannel;
  }
  m_streamChannel = ChannelState{};
  m_streamChannel.serial = NextSerial();
  m_streamChannel.stream = stream;
  m_streamChannel.volume = Clamp255(volume);
  Succeed();
  return Encode(kStreamIndex, m_streamChannel.serial);
}

bool SdlAudioDevice::Stop(ChannelHandle channel) {
  int index = IndexOrFail(channel);
  if (index < 0) return false;
  if (index == kStreamIndex) {
    if (IsStreamPlaying(m_streamChannel.stream)) Mix_HaltMusic();
  } else {
    Mix_HaltChannel(index);
  }
  return Succeed();
}

bool SdlAudioDevice::SetPaused(ChannelHandle channel, bool paused) {
  int index = IndexOrFail(channel);
  if (index < 0) return false;
  if (index == kStreamIndex) {
    if (!IsStreamPlaying(m_streamChannel.stream)) return Succeed();
    if (paused) {
      Mix_PauseMusic();
    } else {
      Mix_ResumeMusic();
    }
  } else if (paused) {
    PauseSampleChannel(index);
  } else {
    Mix_Resume(index);
  }
  return Succeed();
}

bool SdlAudioDevice::SetVolume(ChannelHandle channel, int volume) {
  int index = IndexOrFail(channel);
  if (index < 0) return false;
  ChannelState& state = StateAt(index);
  state.volume = Clamp255(volume);
  if (index == kStreamIndex) {
    if (IsStreamPlaying(state.stream)) Mix_VolumeMusic(ToMixerVolume(volume));
  } else {
    ApplyVolume(index, volume);
  }
  return Succeed();
}

bool SdlAudioDevice::SetPan(ChannelHandle channel, int pan) {
  int index = IndexOrFail(channel);
  if (index < 0) return false;
  if (index == kStreamIndex) {
    if (Clamp255(pan) != kPanCentre) return Fail("streams cannot be panned");
    return Succeed();
  }
  StateAt(index).pan = Clamp255(pan);
  ApplyPan(index, pan);
  return Succeed();
}

bool SdlAudioDevice::SetFrequency(ChannelHandle channel, int frequency) {
  int index = IndexOrFail(channel);
  if (index < 0) return false;
  if (index == kStreamIndex) {
    return frequency == m_mixRate ? Succeed() : Fail("a stream plays only at its own frequency");
  }
  ChannelState& state = StateAt(index);
  const int wanted = SampleFrequency(frequency);
  if (wanted == state.frequency) return Succeed();
  const Sample* found = FindSample(state.sample);
  if (found == nullptr || Mix_Playing(index) == 0) {
    state.frequency = wanted;
    return Succeed();
  }
  // Halted first, so that the mixer takes nothing more of the old chunk
  // while the new one is made from where it got to.
  const bool paused = Mix_Paused(index) != 0;
  Mix_HaltChannel(index);
  state.start = MixedPosition(index);
  state.frequency = wanted;
  if (state.start >= static_cast<double>(GetSampleInfo(state.sample).frames)) {
    return Succeed();
  }
  if (!StartSampleChannel(index, *found)) return false;
  if (paused) PauseSampleChannel(index);
  return Succeed();
}

bool SdlAudioDevice::IsPlaying(ChannelHandle channel) const {
  int index = IndexOf(channel);
  if (index < 0) return false;
  if (index == kStreamIndex) return IsStreamPlaying(m_streamChannel.stream);
  return Mix_Playing(index) != 0;
}

bool SdlAudioDevice::IsPaused(ChannelHandle channel) const {
  int index = IndexOf(channel);
  if (index < 0) return false;
  if (index == kStreamIndex) {
    return IsStreamPlaying(m_streamChannel.stream) && Mix_PausedMusic() != 0;
  }
  return Mix_Playing(index) != 0 && Mix_Paused(index) != 0;
}

int SdlAudioDevice::GetVolume(ChannelHandle channel) const {
  int index = IndexOf(channel);
  return index < 0 ? 0 : StateAt(index).volume;
}

int SdlAudioDevice::GetPan(ChannelHandle channel) const {
  int index = IndexOf(channel);
  return index < 0 ? 0 : StateAt(index).pan;
}

int SdlAudioDevice::IndexOf(ChannelHandle channel) const {
  if (!m_open || channel < 0) return -1;
  int index = channel % kHandleSpan;
  unsigned serial = static_cast<unsigned>(channel / kHandleSpan);
  if (index != kStreamIndex && index >= static_cast<int>(m_sampleChannels.size())) return -1;
  const ChannelState& state = StateAt(index);
  if (state.serial == 0 || state.serial != serial) return -1;
  return index;
}

int SdlAudioDevice::IndexOrFail(ChannelHandle channel) {
  if (!FailUnlessOpen()) return -1;
  int index = IndexOf(channel);
  if (index < 0) Fail("no such channel, or its play is over and the channel is in other use");
  return index;
}

SdlAudioDevice::ChannelState& SdlAudioDevice::StateAt(int index) {
  return index == kStreamIndex ? m_streamChannel : m_sampleChannels[static_cast<size_t>(index)];
}

const SdlAudioDevice::ChannelState& SdlAudioDevice::StateAt(int index) const {
  return index == kStreamIndex ? m_streamChannel : m_sampleChannels[static_cast<size_t>(index)];
}

SdlAudioDevice::Sample* SdlAudioDevice::FindSample(SampleHandle sample) const {
  auto it = m_samples.find(sample);
  return it == m_samples.end() ? nullptr : it->second.get();
}

SdlAudioDevice::Stream* SdlAudioDevice::FindStream(StreamHandle stream) const {
  auto it = m_streams.find(stream);
  return it == m_streams.end() ? nullptr : it->second.get();
}

// Halting a channel drops its effects, the pan and the counter among them;
// they are set up again before it starts, so that no part of the sound
// plays unadjusted. A play halted by the mixer alone (its chunk freed)
// keeps them, hence the counter is taken off before it is put on.
bool SdlAudioDevice::StartSampleChannel(int index, const Sample& sample) {
  ChannelState& state = StateAt(index);
  ApplyVolume(index, state.volume);
  ApplyPan(index, state.pan);
  std::unique_ptr<Rendition> rendition;
  Mix_Chunk* chunk = sample.chunk;
  if (state.frequency != m_mixRate || state.start != 0.0) {
    const PcmView pcm{reinterpret_cast<const int16_t*>(sample.chunk->abuf),
                      sample.chunk->alen / static_cast<unsigned>(m_bytesPerFrame), m_outputChannels};
    const double step = static_cast<double>(state.frequency) / m_mixRate;
    std::vector<int16_t> resampled =
        ResamplePass(pcm, state.start, step, state.loop == LoopMode::Loop);
    if (resampled.empty()) return Fail("the sound holds nothing to play");
    rendition = std::make_unique<Rendition>(std::move(resampled));
    if (rendition->chunk == nullptr) return Fail("cannot resample the sound: " + MixerError());
    chunk = rendition->chunk;
  }
  std::atomic<uint64_t>& counter = m_mixedBytes[static_cast<size_t>(index)];
  Mix_UnregisterEffect(index, CountMixedBytes);
  counter = 0;
  Mix_RegisterEffect(index, CountMixedBytes, nullptr, &counter);
  if (Mix_PlayChannel(index, chunk, ToMixerLoops(state.loop)) < 0) {
    return Fail("cannot play the sound: " + MixerError());
  }
  state.rendition = std::move(rendition);
  return true;
}

double SdlAudioDevice::MixedPosition(int index) const {
  const ChannelState& state = StateAt(index);
  const double frames = m_mixedBytes[static_cast<size_t>(index)].load() / m_bytesPerFrame;
  const double position = state.start + frames * state.frequency / m_mixRate;
  if (state.loop == LoopMode::Once) return position;
  return std::fmod(position, static_cast<double>(GetSampleInfo(state.sample).frames));
}

int SdlAudioDevice::SampleFrequency(int frequency) const {
  if (frequency <= 0) return m_mixRate;
  return std::clamp(frequency, m_mixRate / kFrequencyRangeFactor, m_mixRate * kFrequencyRangeFactor);
}

unsigned SdlAudioDevice::NextSerial() {
  m_lastSerial = m_lastSerial >= kMaxSerial ? 1 : m_lastSerial + 1;
  return m_lastSerial;
}

int SdlAudioDevice::FindFreeSampleChannel() const {
  for (size_t i = 0; i < m_sampleChannels.size(); ++i) {
    int index = static_cast<int>(i);
    if (Mix_Playing(index) == 0) return index;
  }
  return -1;
}

// The stream channel's play is over once the stream was closed, or the
// mixer's music stopped.
bool SdlAudioDevice::IsStreamPlaying(StreamHandle stream) const {
  return FindStream(stream) != nullptr && Mix_PlayingMusic() != 0;
}

// The mixer marks a channel paused with the tick count at the time, so a
// pause at tick 0 (the first millisecond after start-up, and again when the
// count wraps) does not take; the next millisecond it does.
void SdlAudioDevice::PauseSampleChannel(int index) const {
  Mix_Pause(index);
  if (Mix_Playing(index) != 0 && Mix_Paused(index) == 0) {
    SDL_Delay(1);
    Mix_Pause(index);
  }
}

void SdlAudioDevice::ApplyVolume(int index, int volume) const {
  Mix_Volume(index, ToMixerVolume(volume));
}

// Towards one side, the other side fades out; the centre is both at full.
void SdlAudioDevice::ApplyPan(int index, int pan) const {
  int p = Clamp255(pan);
  int left = 255;
  int right = 255;
  if (p < kPanCentre) right = p * 255 / kPanCentre;
  if (p > kPanCentre) left = (255 - p) * 255 / (255 - kPanCentre);
  // Both at full removes the panning effect; its result does not matter.
  Mix_SetPanning(index, static_cast<Uint8>(left), static_cast<Uint8>(right));
}

bool SdlAudioDevice::Succeed() {
  m_lastError.clear();
  return true;
}

bool SdlAudioDevice::Fail(const std::string& why) {
  m_lastError = why;
  return false;
}

bool SdlAudioDevice::FailUnlessOpen() {
  return m_open || Fail("no audio device is open");
}

}  // namespace platform
