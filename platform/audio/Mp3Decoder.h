#pragma once

#include "Pcm.h"

#include <functional>

// Decodes an MPEG audio file (MP3) whole with libmpg123, ahead of playing: the
// mixer's own MP3 path decodes under the audio lock and stalls every channel
// meanwhile. Safe to use on several threads at once.
namespace Mp3Decoder {

// Longest sound decoded; the rest is cut, so a hostile file cannot fill memory.
constexpr int MaxSeconds = 300;
// Bigger files are refused: 300 s at 320 kbit/s is about 12 MB.
constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

// True when the bytes start like an MPEG audio file: an ID3v2 tag or a frame sync.
bool looksLikeMp3(const QByteArray &bytes);

// The sound at the file's own rate and channel count. cancelled() is asked between blocks.
Pcm decode(const QByteArray &mp3, const std::function<bool()> &cancelled = {});

} // namespace Mp3Decoder
