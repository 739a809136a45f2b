#include "ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace synth {

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

bool WritePage(FILE* file, const ogg_page& page) {
  return std::fwrite(page.header, 1, page.header_len, file) ==
             static_cast<size_t>(page.header_len) &&
         std::fwrite(page.body, 1, page.body_len, file) == static_cast<size_t>(page.body_len);
}

// Owns the libvorbis state so every exit path releases it.
struct Encoder {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  bool analysing = false;
  bool streaming = false;
  Encoder() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~Encoder() {
    if (streaming) ogg_stream_clear(&stream);
    if (analysing) {
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
};

}  // namespace

bool WriteOggVorbis(const std::string& path, const std::vector<std::vector<float>>& channels,
                    float quality, std::string& error) {
  if (channels.empty() || channels.size() > 2) {
    error = "only mono or stereo can be written";
    return false;
  }
  const size_t frames = channels[0].size();
  for (const auto& c : channels) {
    if (c.size() != frames) {
      error = "channels differ in length";
      return false;
    }
  }
  const std::string temp = path + ".part";
  std::unique_ptr<FILE, FileCloser> file(std::fopen(temp.c_str(), "wb"));
  if (!file) {
    error = "cannot create " + path;
    return false;
  }
  Encoder enc;
  if (vorbis_encode_init_vbr(&enc.info, static_cast<long>(channels.size()), 44100, quality) != 0) {
    error = "the Vorbis encoder refused the settings";
    return false;
  }
  vorbis_comment_add_tag(&enc.comment, "ENCODER", "kelvaroth_synth");
  vorbis_analysis_init(&enc.dsp, &enc.info);
  vorbis_block_init(&enc.dsp, &enc.block);
  enc.analysing = true;
  ogg_stream_init(&enc.stream, 0x4B564C52);
  enc.streaming = true;

  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&enc.stream, &header);
  ogg_stream_packetin(&enc.stream, &headerComment);
  ogg_stream_packetin(&enc.stream, &headerCode);
  ogg_page page;
  while (ogg_stream_flush(&enc.stream, &page) != 0) {
    if (!WritePage(file.get(), page)) {
      error = "write failed";
      return false;
    }
  }

  constexpr size_t kChunk = 4096;
  size_t done = 0;
  bool finished = false;
  while (!finished) {
    const size_t count = std::min(kChunk, frames - done);
    if (count == 0) {
      vorbis_analysis_wrote(&enc.dsp, 0);  // end of stream
    } else {
      float** buffer = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(count));
      for (size_t c = 0; c < channels.size(); ++c) {
        for (size_t i = 0; i < count; ++i) buffer[c][i] = channels[c][done + i];
      }
      vorbis_analysis_wrote(&enc.dsp, static_cast<int>(count));
      done += count;
    }
    while (vorbis_analysis_blockout(&enc.dsp, &enc.block) == 1) {
      vorbis_analysis(&enc.block, nullptr);
      vorbis_bitrate_addblock(&enc.block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&enc.dsp, &packet) != 0) {
        ogg_stream_packetin(&enc.stream, &packet);
        while (ogg_stream_pageout(&enc.stream, &page) != 0) {
          if (!WritePage(file.get(), page)) {
            error = "write failed";
            return false;
          }
          if (ogg_page_eos(&page)) finished = true;
        }
      }
    }
    if (count == 0) finished = true;
  }
  while (ogg_stream_flush(&enc.stream, &page) != 0) {
    if (!WritePage(file.get(), page)) {
      error = "write failed";
      return false;
    }
  }
  if (std::fflush(file.get()) != 0 || std::fclose(file.release()) != 0) {
    error = "write failed";
    return false;
  }
  // A build stopped half-way must not leave a truncated file that looks finished.
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot rename " + temp;
    return false;
  }
  return true;
}

}  // namespace synth
