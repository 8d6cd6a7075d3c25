#include "tools/soundmaker/OggVorbisWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace soundmaker {

namespace {

constexpr int BLOCK_FRAMES = 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The encoder's state, released in reverse order of set-up.
class Encoder {
public:
    Encoder()
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder()
    {
        if (m_streamReady) {
            ogg_stream_clear(&stream);
        }
        if (m_blockReady) {
            vorbis_block_clear(&block);
        }
        if (m_dspReady) {
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool Start(const VorbisSettings& settings)
    {
        if (vorbis_encode_init_vbr(&info, 1, SAMPLE_RATE, settings.quality) != 0) {
            return false;
        }
        m_dspReady = vorbis_analysis_init(&dsp, &info) == 0;
        m_blockReady = m_dspReady && vorbis_block_init(&dsp, &block) == 0;
        m_streamReady = m_blockReady && ogg_stream_init(&stream, settings.serial) == 0;
        return m_streamReady;
    }

    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;

private:
    bool m_dspReady = false;
    bool m_blockReady = false;
    bool m_streamReady = false;
};

bool WritePage(std::FILE* file, const ogg_page& page)
{
    return std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file) ==
               static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file) == static_cast<size_t>(page.body_len);
}

// The three headers on pages of their own, so that audio starts on a fresh page.
bool WriteHeaders(Encoder& encoder, std::FILE* file)
{
    ogg_packet identification;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&encoder.stream, &identification);
    ogg_stream_packetin(&encoder.stream, &comments);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&encoder.stream, &page) != 0) {
        if (!WritePage(file, page)) {
            return false;
        }
    }
    return true;
}

// Hands every finished block to the stream and writes the pages it fills.
bool Drain(Encoder& encoder, std::FILE* file)
{
    while (vorbis_analysis_blockout(&encoder.dsp, &encoder.block) == 1) {
        vorbis_analysis(&encoder.block, nullptr);
        vorbis_bitrate_addblock(&encoder.block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&encoder.dsp, &packet) != 0) {
            ogg_stream_packetin(&encoder.stream, &packet);
            ogg_page page;
            while (ogg_stream_pageout(&encoder.stream, &page) != 0) {
                if (!WritePage(file, page)) {
                    return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

bool WriteOggVorbis(const std::string& path, const Signal& signal, const VorbisSettings& settings,
                    std::string& error)
{
    Encoder encoder;
    if (!encoder.Start(settings)) {
        error = "the Vorbis encoder refused the settings";
        return false;
    }
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot open \"" + path + "\" for writing";
        return false;
    }
    bool written = WriteHeaders(encoder, file.get());
    for (size_t start = 0; written && start < signal.size(); start += BLOCK_FRAMES) {
        const size_t count = std::min<size_t>(BLOCK_FRAMES, signal.size() - start);
        float** buffer = vorbis_analysis_buffer(&encoder.dsp, static_cast<int>(count));
        std::copy(signal.begin() + static_cast<std::ptrdiff_t>(start),
                  signal.begin() + static_cast<std::ptrdiff_t>(start + count), buffer[0]);
        vorbis_analysis_wrote(&encoder.dsp, static_cast<int>(count));
        written = Drain(encoder, file.get());
    }
    vorbis_analysis_wrote(&encoder.dsp, 0);
    written = written && Drain(encoder, file.get());
    if (!written || std::fflush(file.get()) != 0) {
        error = "cannot write \"" + path + "\"";
        return false;
    }
    return true;
}

}  // namespace soundmaker
