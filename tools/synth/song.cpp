#include "song.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "dsp.h"
#include "reverb.h"
#include "voices.h"

namespace synth {

namespace {

struct SongError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Params = std::map<std::string, std::string>;

struct Instrument {
  std::string name;
  std::string type;
  Params params;
  double Get(const std::string& key, double fallback) const {
    const auto it = params.find(key);
    return it == params.end() ? fallback : std::stod(it->second);
  }
};

struct Chord {
  double startBeat = 0.0;
  double beats = 0.0;
  int root = 0;  // pitch class 0..11
  int bass = 0;  // pitch class of the bass note (slash chords)
  std::vector<int> intervals;
};

struct NoteEvent {
  int instrument = 0;
  double startBeat = 0.0;
  double beats = 0.0;
  double midi = 60.0;
  double velocity = 0.8;
};

struct Song {
  double tempo = 90.0;
  int meter = 4;
  int bars = 16;
  bool loop = true;
  double tail = 5.0;
  uint64_t seed = 1;
  double reverbSize = 0.7, reverbDamp = 0.4, reverbMix = 0.25;
  std::vector<Instrument> instruments;
  std::vector<Chord> chords;
  std::vector<NoteEvent> notes;
  double chordBeats = 0.0;  // where the next chord line continues
  double SecondsPerBeat() const { return 60.0 / tempo; }
};

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> out;
  std::string piece;
  std::istringstream in(text);
  while (std::getline(in, piece, sep)) out.push_back(piece);
  return out;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

double ToNumber(const std::string& text) {
  size_t used = 0;
  double v = 0.0;
  try {
    v = std::stod(text, &used);
  } catch (const std::exception&) {
    throw SongError("not a number: '" + text + "'");
  }
  if (used != text.size()) throw SongError("not a number: '" + text + "'");
  return v;
}

int PitchClass(const std::string& text, size_t& pos) {
  static const std::map<char, int> naturals = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                               {'G', 7}, {'A', 9}, {'B', 11}};
  if (pos >= text.size() || !naturals.count(text[pos])) {
    throw SongError("bad note name: '" + text + "'");
  }
  int pc = naturals.at(text[pos++]);
  while (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
    pc += text[pos++] == '#' ? 1 : -1;
  }
  return (pc + 12) % 12;
}

// "F#5" -> MIDI 78.
int NoteNumber(const std::string& text) {
  size_t pos = 0;
  const int pc = PitchClass(text, pos);
  if (pos >= text.size()) throw SongError("note without octave: '" + text + "'");
  const int octave = static_cast<int>(ToNumber(text.substr(pos)));
  return 12 * (octave + 1) + pc;
}

Chord ParseChord(const std::string& symbol) {
  static const std::map<std::string, std::vector<int>> qualities = {
      {"", {0, 4, 7}},           {"m", {0, 3, 7}},
      {"7", {0, 4, 7, 10}},      {"maj7", {0, 4, 7, 11}},
      {"m7", {0, 3, 7, 10}},     {"sus2", {0, 2, 7}},
      {"sus4", {0, 5, 7}},       {"7sus4", {0, 5, 7, 10}},
      {"add9", {0, 4, 7, 14}},   {"madd9", {0, 3, 7, 14}},
      {"6", {0, 4, 7, 9}},       {"m6", {0, 3, 7, 9}},
      {"dim", {0, 3, 6}},        {"maj9", {0, 4, 7, 11, 14}},
      {"m9", {0, 3, 7, 10, 14}},
  };
  Chord chord;
  std::string body = symbol;
  std::string slash;
  if (const auto cut = symbol.find('/'); cut != std::string::npos) {
    body = symbol.substr(0, cut);
    slash = symbol.substr(cut + 1);
  }
  size_t pos = 0;
  chord.root = PitchClass(body, pos);
  const auto q = qualities.find(body.substr(pos));
  if (q == qualities.end()) throw SongError("unknown chord: '" + symbol + "'");
  chord.intervals = q->second;
  chord.bass = chord.root;
  if (!slash.empty()) {
    size_t spos = 0;
    chord.bass = PitchClass(slash, spos);
    if (spos != slash.size()) throw SongError("bad bass note in chord: '" + symbol + "'");
  }
  return chord;
}

const Chord& ChordAt(const Song& song, double beat) {
  if (song.chords.empty()) throw SongError("a chord part needs a 'chords' line first");
  const double wrapped = std::fmod(beat, song.chordBeats);
  for (const Chord& c : song.chords) {
    if (wrapped < c.startBeat + c.beats - 1e-9) return c;
  }
  return song.chords.back();
}

// Chord tones placed nearest to the middle of the given octave: smooth voice leading for free.
std::vector<int> CloseVoicing(const Chord& chord, int octave) {
  const int centre = 12 * (octave + 1) + 6;
  std::vector<int> notes;
  for (int iv : chord.intervals) {
    int n = centre - 6 + (chord.root + iv) % 12;
    if (n - centre > 6) n -= 12;
    if (std::find(notes.begin(), notes.end(), n) == notes.end()) notes.push_back(n);
  }
  std::sort(notes.begin(), notes.end());
  return notes;
}

Params ParseParams(const std::vector<std::string>& words, size_t first) {
  Params params;
  for (size_t i = first; i < words.size(); ++i) {
    const auto eq = words[i].find('=');
    if (eq == std::string::npos || eq == 0) throw SongError("expected key=value: " + words[i]);
    params[words[i].substr(0, eq)] = words[i].substr(eq + 1);
  }
  return params;
}

double Need(const Params& p, const std::string& key) {
  const auto it = p.find(key);
  if (it == p.end()) throw SongError("missing " + key + "=");
  return ToNumber(it->second);
}

double Opt(const Params& p, const std::string& key, double fallback) {
  const auto it = p.find(key);
  return it == p.end() ? fallback : ToNumber(it->second);
}

std::vector<double> List(const Params& p, const std::string& key, std::vector<double> fallback) {
  const auto it = p.find(key);
  if (it == p.end()) return fallback;
  std::vector<double> out;
  for (const auto& piece : Split(it->second, ',')) out.push_back(ToNumber(piece));
  if (out.empty()) throw SongError("empty list for " + key);
  return out;
}

int FindInstrument(const Song& song, const std::string& name) {
  for (size_t i = 0; i < song.instruments.size(); ++i) {
    if (song.instruments[i].name == name) return static_cast<int>(i);
  }
  throw SongError("unknown instrument: " + name);
}

// The bars [from, to) of a part, checked against the song's length.
std::pair<int, int> BarRange(const Song& song, const Params& p) {
  const int from = static_cast<int>(Opt(p, "from", 0));
  const int to = static_cast<int>(Opt(p, "to", song.bars));
  if (from < 0 || to > song.bars || from >= to) throw SongError("bad from/to bar range");
  return {from, to};
}

void AddChordPart(Song& song, const std::string& kind, const std::vector<std::string>& words) {
  if (words.size() < 2) throw SongError(kind + " needs an instrument");
  const int inst = FindInstrument(song, words[1]);
  const Params p = ParseParams(words, 2);
  const auto [from, to] = BarRange(song, p);
  const double startBeat = from * song.meter;
  const double endBeat = to * song.meter;
  const int octave = static_cast<int>(Opt(p, "octave", 3));
  const double vel = Opt(p, "vel", 0.8);

  if (kind == "pad") {
    // One event per chord span that overlaps the range, clipped to it.
    double beat = startBeat;
    while (beat < endBeat - 1e-9) {
      const Chord& c = ChordAt(song, beat);
      const double chordStart = beat - std::fmod(beat, song.chordBeats) + c.startBeat;
      const double spanEnd = std::min(endBeat, chordStart + c.beats);
      for (int n : CloseVoicing(c, octave)) {
        song.notes.push_back({inst, beat, spanEnd - beat, static_cast<double>(n), vel});
      }
      beat = spanEnd;
    }
    return;
  }
  if (kind == "arp") {
    const double step = Opt(p, "step", 0.5);
    const std::vector<double> order = List(p, "order", {0, 1, 2, 3, 2, 1});
    const double hold = Opt(p, "hold", step * 2.0);
    int k = 0;
    for (double beat = startBeat; beat < endBeat - 1e-9; beat += step, ++k) {
      const Chord& c = ChordAt(song, beat);
      const int idx = static_cast<int>(order[k % order.size()]);
      if (idx < 0) continue;  // a negative index is a rest
      const int n = static_cast<int>(c.intervals.size());
      const int note = 12 * (octave + 1) + c.root + c.intervals[idx % n] + 12 * (idx / n);
      const double accent = (std::fmod(beat, song.meter) < 1e-9) ? 1.0 : 0.85;
      song.notes.push_back({inst, beat, hold, static_cast<double>(note), vel * accent});
    }
    return;
  }
  const std::vector<double> beats = List(p, "beats", {0});
  for (int bar = from; bar < to; ++bar) {
    for (double b : beats) {
      const double beat = bar * song.meter + b;
      if (beat >= endBeat) continue;
      const Chord& c = ChordAt(song, beat);
      if (kind == "bass") {
        const int note = 12 * (octave + 1) + c.bass;
        song.notes.push_back({inst, beat, Opt(p, "dur", 1.0), static_cast<double>(note), vel});
      } else {  // strum: low to high, each string a little later
        const double spread = Opt(p, "spread", 0.02) / song.SecondsPerBeat();
        const auto voicing = CloseVoicing(c, octave);
        std::vector<int> strings = {12 * octave + c.bass};
        strings.insert(strings.end(), voicing.begin(), voicing.end());
        for (size_t s = 0; s < strings.size(); ++s) {
          song.notes.push_back({inst, beat + spread * s, Opt(p, "dur", 2.0),
                                static_cast<double>(strings[s]), vel * (1.0 - 0.05 * s)});
        }
      }
    }
  }
}

void AddDrums(Song& song, const std::vector<std::string>& words) {
  if (words.size() < 2) throw SongError("drums needs an instrument");
  const int inst = FindInstrument(song, words[1]);
  const Params p = ParseParams(words, 2);
  const auto [from, to] = BarRange(song, p);
  const auto it = p.find("grid");
  if (it == p.end() || it->second.empty()) throw SongError("drums needs grid=");
  const std::string& grid = it->second;
  const double step = static_cast<double>(song.meter) / grid.size();
  const double vel = Opt(p, "vel", 0.8);
  for (int bar = from; bar < to; ++bar) {
    for (size_t i = 0; i < grid.size(); ++i) {
      double v = 0.0;
      switch (grid[i]) {
        case 'X':
          v = 1.0;
          break;
        case 'x':
          v = 0.75;
          break;
        case 'o':
          v = 0.45;
          break;
        case '.':
          continue;
        default:
          throw SongError(std::string("bad drum grid character: ") + grid[i]);
      }
      song.notes.push_back({inst, bar * song.meter + i * step, step, 60.0, v * vel});
    }
  }
}

void AddMelody(Song& song, const std::string& line) {
  const auto colon = line.find(':');
  if (colon == std::string::npos) throw SongError("melody needs ':' before its notes");
  const auto head = Words(line.substr(0, colon));
  if (head.size() < 2) throw SongError("melody needs an instrument");
  const int inst = FindInstrument(song, head[1]);
  const Params p = ParseParams(head, 2);
  const int repeat = static_cast<int>(Opt(p, "repeat", 1));
  double beat = Need(p, "at") * song.meter;
  const double vel = Opt(p, "vel", 0.8);
  const auto tokens = Words(line.substr(colon + 1));
  for (int r = 0; r < repeat; ++r) {
    double dur = 1.0;
    for (const std::string& tok : tokens) {
      std::string body = tok;
      double v = vel;
      if (const auto at = body.find('@'); at != std::string::npos) {
        v = ToNumber(body.substr(at + 1));
        body = body.substr(0, at);
      }
      if (const auto c = body.find(':'); c != std::string::npos) {
        dur = ToNumber(body.substr(c + 1));
        body = body.substr(0, c);
      }
      if (dur <= 0.0) throw SongError("note length must be positive: " + tok);
      if (body != "r") {
        for (const auto& name : Split(body, '+')) {
          song.notes.push_back({inst, beat, dur, static_cast<double>(NoteNumber(name)), v});
        }
      }
      beat += dur;
    }
  }
  if (beat > song.bars * song.meter + 1e-9) throw SongError("melody runs past the last bar");
}

void ParseLine(Song& song, const std::string& raw) {
  // "#" also spells sharps, so a comment starts only at a "#" that begins a word.
  std::string line = raw;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
      line.resize(i);
      break;
    }
  }
  const auto words = Words(line);
  if (words.empty()) return;
  const std::string& cmd = words[0];
  auto arg = [&](size_t i) -> const std::string& {
    if (words.size() <= i) throw SongError(cmd + " needs a value");
    return words[i];
  };
  if (cmd == "tempo") {
    song.tempo = ToNumber(arg(1));
    if (song.tempo < 20 || song.tempo > 300) throw SongError("tempo out of range");
  } else if (cmd == "meter") {
    song.meter = static_cast<int>(ToNumber(arg(1)));
    if (song.meter < 1 || song.meter > 16) throw SongError("meter out of range");
  } else if (cmd == "bars") {
    song.bars = static_cast<int>(ToNumber(arg(1)));
    if (song.bars < 1 || song.bars > 512) throw SongError("bars out of range");
  } else if (cmd == "loop") {
    song.loop = arg(1) == "yes";
  } else if (cmd == "tail") {
    song.tail = ToNumber(arg(1));
    if (song.tail < 0 || song.tail > 20) throw SongError("tail out of range");
  } else if (cmd == "seed") {
    song.seed = static_cast<uint64_t>(ToNumber(arg(1)));
  } else if (cmd == "reverb") {
    const Params p = ParseParams(words, 1);
    song.reverbSize = Opt(p, "size", song.reverbSize);
    song.reverbDamp = Opt(p, "damp", song.reverbDamp);
    song.reverbMix = Opt(p, "mix", song.reverbMix);
  } else if (cmd == "instrument") {
    Instrument inst;
    inst.name = arg(1);
    inst.type = arg(2);
    static const char* kTypes[] = {"pluck",  "pad",       "bell",     "flute",     "bass",
                                   "shaker", "framedrum", "woodtick", "tambourine"};
    if (std::find(std::begin(kTypes), std::end(kTypes), inst.type) == std::end(kTypes)) {
      throw SongError("unknown instrument type: " + inst.type);
    }
    inst.params = ParseParams(words, 3);
    for (const auto& [k, v] : inst.params) ToNumber(v);
    song.instruments.push_back(inst);
  } else if (cmd == "chords") {
    for (const auto& group : Split(line.substr(line.find("chords") + 6), '|')) {
      const auto symbols = Words(group);
      if (symbols.empty()) throw SongError("empty bar in chords");
      const double each = static_cast<double>(song.meter) / symbols.size();
      for (const auto& s : symbols) {
        Chord c = ParseChord(s);
        c.startBeat = song.chordBeats;
        c.beats = each;
        song.chordBeats += each;
        song.chords.push_back(c);
      }
    }
  } else if (cmd == "pad" || cmd == "arp" || cmd == "strum" || cmd == "bass") {
    AddChordPart(song, cmd, words);
  } else if (cmd == "drums") {
    AddDrums(song, words);
  } else if (cmd == "melody") {
    AddMelody(song, line);
  } else {
    throw SongError("unknown statement: " + cmd);
  }
}

// One note of an instrument as a mono buffer, with its velocity applied.
Mono RenderNote(const Instrument& inst, const NoteEvent& e, double seconds, Rng& rng) {
  const double hz = MidiToHz(e.midi);
  const std::string& t = inst.type;
  if (t == "pluck") {
    PluckParams p;
    p.hz = hz;
    p.t60 = inst.Get("t60", 3.0) * std::pow(220.0 / hz, 0.35);
    p.brightness = inst.Get("bright", 0.5) * (0.7 + 0.3 * e.velocity);
    p.position = inst.Get("position", 0.18) + rng.Range(-0.03, 0.03);
    p.velocity = e.velocity;
    p.body = inst.Get("body", 1.0);
    p.length = std::min(p.t60 * 0.8, std::max(seconds + inst.Get("ring", 1.2), 0.3));
    return Pluck(p, rng);
  }
  if (t == "bell") {
    BellParams p;
    p.hz = hz;
    p.ratio = inst.Get("ratio", 1.4);
    p.index = inst.Get("index", 2.0) * (0.6 + 0.4 * e.velocity);
    p.t60 = inst.Get("t60", 2.5);
    p.indexDecay = inst.Get("bright", 0.3);
    p.attack = inst.Get("attack", 0.003);
    p.velocity = e.velocity;
    p.length = std::min(p.t60, 6.0);
    return FmBell(p);
  }
  if (t == "pad") {
    PadParams p;
    p.hz = hz;
    p.gate = seconds;
    p.env = Adsr{inst.Get("attack", 0.8), inst.Get("decay", 0.6), inst.Get("sustain", 0.8),
                 inst.Get("release", 1.2)};
    p.detuneCents = inst.Get("detune", 9.0);
    p.cutoff = inst.Get("cutoff", 1400.0);
    p.velocity = e.velocity;
    return Pad(p, rng);
  }
  if (t == "flute") {
    FluteParams p;
    p.hz = hz;
    p.gate = seconds * inst.Get("legato", 0.92);
    p.attack = inst.Get("attack", 0.06);
    p.release = inst.Get("release", 0.18);
    p.vibrato = inst.Get("vibrato", 0.004);
    p.breath = inst.Get("breath", 0.05);
    p.velocity = e.velocity;
    return Flute(p, rng);
  }
  if (t == "bass") return SoftBass(hz, seconds * inst.Get("legato", 0.9), e.velocity);
  if (t == "framedrum") return FrameDrum(inst.Get("pitch", 90.0), e.velocity, rng);
  if (t == "shaker") return Shaker(e.velocity, rng);
  if (t == "woodtick") return WoodTick(inst.Get("pitch", 1300.0), e.velocity, rng);
  return Tambourine(e.velocity, rng);
}

void Render(const Song& song, RenderedSong& out) {
  const double spb = song.SecondsPerBeat();
  const double length = song.bars * song.meter * spb;
  const int loopSamples = Samples(length);
  const int total = loopSamples + Samples(song.tail);
  std::vector<double> left(total, 0.0), right(total, 0.0), send(total, 0.0);
  Rng rng(song.seed);

  for (const NoteEvent& e : song.notes) {
    const Instrument& inst = song.instruments[e.instrument];
    const double humanize = inst.Get("humanize", 0.006);
    const double start = e.startBeat * spb + (e.startBeat > 0 ? rng.Range(0.0, humanize) : 0.0);
    NoteEvent played = e;
    played.velocity = e.velocity * (1.0 + rng.Range(-0.08, 0.08) * inst.Get("vary", 1.0));
    const double gain = inst.Get("gain", 0.5);
    const double pan = std::clamp(
        inst.Get("pan", 0.0) + rng.Range(-1.0, 1.0) * inst.Get("spread", 0.0), -1.0, 1.0);
    const double sendGain = inst.Get("send", 0.3);
    // A pad is rendered twice, each side with its own detuned phases, for width.
    const bool wide = inst.type == "pad";
    const int layers = wide ? 2 : 1;
    for (int layer = 0; layer < layers; ++layer) {
      const Mono note = RenderNote(inst, played, e.beats * spb, rng);
      double gl = std::cos((pan + 1.0) * kPi / 4.0), gr = std::sin((pan + 1.0) * kPi / 4.0);
      if (wide) {
        const double width = inst.Get("width", 0.6);
        const double side = layer == 0 ? -width : width;
        gl = std::cos((std::clamp(pan + side, -1.0, 1.0) + 1.0) * kPi / 4.0) * 0.75;
        gr = std::sin((std::clamp(pan + side, -1.0, 1.0) + 1.0) * kPi / 4.0) * 0.75;
      }
      const int offset = Samples(start);
      for (size_t i = 0; i < note.size(); ++i) {
        const size_t at = static_cast<size_t>(offset) + i;
        if (at >= static_cast<size_t>(total)) break;
        const double v = note[i] * gain;
        left[at] += v * gl;
        right[at] += v * gr;
        send[at] += v * sendGain;
      }
    }
  }

  Reverb reverb(song.reverbSize, song.reverbDamp);
  for (int i = 0; i < total; ++i) {
    double l = 0.0, r = 0.0;
    reverb.Process(send[i], l, r);
    left[i] += l * song.reverbMix * 3.0;
    right[i] += r * song.reverbMix * 3.0;
  }

  int keep = total;
  if (song.loop) {
    // Whatever rings past the end (notes and room) belongs to the start of the next pass.
    for (int i = loopSamples; i < total; ++i) {
      left[i - loopSamples] += left[i];
      right[i - loopSamples] += right[i];
    }
    keep = loopSamples;
  }
  out.left.assign(keep, 0.0f);
  out.right.assign(keep, 0.0f);
  double peak = 0.0;
  for (int i = 0; i < keep; ++i) peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
  // The encoder adds a little ripple to peaks, so aim a little under the -3 dBFS target.
  const double gain = peak > 0.0 ? DbToGain(-3.6) / peak : 0.0;
  for (int i = 0; i < keep; ++i) {
    out.left[i] = static_cast<float>(left[i] * gain);
    out.right[i] = static_cast<float>(right[i] * gain);
  }
  if (!song.loop) {
    FadeEnds(out.left, 0.002, 0.3);
    FadeEnds(out.right, 0.002, 0.3);
  }
  out.loops = song.loop;
}

}  // namespace

bool RenderSongText(const std::string& text, RenderedSong& out, std::string& error) {
  Song song;
  int lineNo = 0;
  std::istringstream in(text);
  std::string line;
  try {
    while (std::getline(in, line)) {
      ++lineNo;
      ParseLine(song, line);
    }
    if (song.notes.empty()) throw SongError("the song has no notes");
    Render(song, out);
  } catch (const std::exception& e) {
    error = "line " + std::to_string(lineNo) + ": " + e.what();
    return false;
  }
  return true;
}

bool RenderSongFile(const std::string& path, RenderedSong& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (!RenderSongText(text.str(), out, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

}  // namespace synth
