// "casino.mid": a lounge swing tune of about two minutes, written as a format 1 Standard MIDI
// File with General MIDI instruments.
//
// Form, at 140 beats a minute in 4/4 with swung eighths, key of F major:
//   intro (4 bars) | A A B A: the head on vibraphone, the bass in two but walking through the
//   bridge | A A: tenor sax solo over a walking bass | B: vibraphone and sax in octaves, strings |
//   A: the head again, sax on guide tones | tag: the turnaround twice, slowing down, and a held
//   Fmaj9.
// The main menu starts the piece over every 132.9 s (later every 125 s), so the last chord has
// died away by about 125 s.
//
// The solo, the bass walk, the piano comping and the drummer's small variations come from
// fixed-seed generators: the output is the same at every build.
#include "generator.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace assetgen {

namespace {

// ---------------------------------------------------------------------------------------------
// Standard MIDI File writer

constexpr int kPpq = 480; // ticks a quarter note

QByteArray raw(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v & 0xFF));
    return out;
}

class Track {
public:
    explicit Track(const char* name) { meta(0, 0x03, name); }

    void meta(uint32_t tick, int type, const QByteArray& data)
    {
        QByteArray b;
        b.append(char(0xFF));
        b.append(char(type));
        b.append(varLen(uint32_t(data.size())));
        b.append(data);
        add(tick, 0, b);
    }
    void sysex(uint32_t tick, const QByteArray& body) // body without the leading F0
    {
        add(tick, 0, QByteArray(1, char(0xF0)) + varLen(uint32_t(body.size())) + body);
    }
    void program(uint32_t tick, int channel, int program)
    {
        add(tick, 0, raw({0xC0 | channel, program}));
    }
    void control(uint32_t tick, int channel, int controller, int value)
    {
        add(tick, 0, raw({0xB0 | channel, controller, value}));
    }
    void note(int channel, int key, int velocity, uint32_t start, uint32_t end)
    {
        key = std::clamp(key, 0, 127);
        velocity = std::clamp(velocity, 1, 127);
        if (end <= start)
            end = start + 1;
        add(start, 2, raw({0x90 | channel, key, velocity}));
        add(end, 1, raw({0x80 | channel, key, 64}));
        ++notes_;
    }
    int noteCount() const { return notes_; }

    // The track chunk, events in time order; at equal times controls come first, then note
    // releases, then new notes (so a repeated key is let go before it is struck again).
    QByteArray chunk(uint32_t endTick) const
    {
        std::vector<Event> events = events_;
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        QByteArray data;
        uint32_t now = 0;
        for (const Event& e : events) {
            data.append(varLen(e.tick - now));
            data.append(e.bytes);
            now = e.tick;
        }
        data.append(varLen(std::max(endTick, now) - now));
        data.append(QByteArray("\xFF\x2F\x00", 3));
        return QByteArray("MTrk") + be32(uint32_t(data.size())) + data;
    }

    static QByteArray varLen(uint32_t v)
    {
        QByteArray out(1, char(v & 0x7F));
        while (v >>= 7)
            out.prepend(char(0x80 | (v & 0x7F)));
        return out;
    }
    static QByteArray be32(uint32_t v)
    {
        return raw({int(v >> 24), int(v >> 16), int(v >> 8), int(v)});
    }

private:
    struct Event {
        uint32_t tick;
        int order;
        QByteArray bytes;
    };
    void add(uint32_t tick, int order, const QByteArray& bytes) { events_.push_back({tick, order, bytes}); }

    std::vector<Event> events_;
    int notes_ = 0;
};

QByteArray midiFile(const std::vector<const Track*>& tracks, uint32_t endTick)
{
    QByteArray out("MThd");
    out.append(Track::be32(6));
    out.append(raw({0, 1})); // format 1: simultaneous tracks
    out.append(raw({int(tracks.size() >> 8), int(tracks.size())}));
    out.append(raw({kPpq >> 8, kPpq}));
    for (const Track* t : tracks)
        out.append(t->chunk(endTick));
    return out;
}

// ---------------------------------------------------------------------------------------------
// Musical time: bars of four beats, eighths swung so that the off-beat falls at 64% of the beat.

constexpr double kSwing = 0.64;

uint32_t straightTick(double beats) { return uint32_t(std::lround(beats * kPpq)); }

uint32_t swungTick(double beats)
{
    const double whole = std::floor(beats);
    const double frac = beats - whole;
    const double bent = frac <= 0.5 ? frac * 2.0 * kSwing : kSwing + (frac - 0.5) * 2.0 * (1.0 - kSwing);
    return straightTick(whole + bent);
}

double barBeat(int bar, double beat) { return bar * 4.0 + beat; }

// A generator of our own with a fixed seed (xorshift64*), so that nothing depends on a library's
// choice of algorithm or on the clock.
class Dice {
public:
    explicit Dice(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ULL) {}
    uint32_t next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return uint32_t((state_ * 0x2545F4914F6CDD1DULL) >> 32);
    }
    int below(int n) { return n <= 1 ? 0 : int(next() % uint32_t(n)); }
    bool chance(double p) { return (next() / 4294967296.0) < p; }
    int jitter(int amount) { return below(2 * amount + 1) - amount; }

private:
    uint64_t state_;
};

// ---------------------------------------------------------------------------------------------
// Harmony

enum class Quality { Maj7, Six, Maj9, Dom7, Min7 };

struct Chord {
    int root = 0; // pitch class, C = 0
    Quality quality = Quality::Maj7;
};

int pitchClass(const std::string& name, std::size_t& pos)
{
    static const int letters[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int pc = letters[name.at(pos) - 'A'];
    ++pos;
    if (pos < name.size() && (name[pos] == 'b' || name[pos] == '#')) {
        pc += name[pos] == '#' ? 1 : -1;
        ++pos;
    }
    return (pc + 12) % 12;
}

Chord chordNamed(const std::string& name)
{
    std::size_t pos = 0;
    Chord c;
    c.root = pitchClass(name, pos);
    const std::string q = name.substr(pos);
    if (q == "maj7")
        c.quality = Quality::Maj7;
    else if (q == "6")
        c.quality = Quality::Six;
    else if (q == "maj9")
        c.quality = Quality::Maj9;
    else if (q == "7")
        c.quality = Quality::Dom7;
    else if (q == "m7")
        c.quality = Quality::Min7;
    else {
        std::fprintf(stderr, "zor-assetgen: unknown chord %s\n", name.c_str());
        std::exit(1);
    }
    return c;
}

std::vector<int> chordTones(Quality q) // intervals above the root, 9th included where it sings
{
    switch (q) {
    case Quality::Maj7: return {0, 4, 7, 11, 14};
    case Quality::Six: return {0, 4, 7, 9, 14};
    case Quality::Maj9: return {0, 4, 7, 11, 14};
    case Quality::Dom7: return {0, 4, 7, 10, 14};
    case Quality::Min7: return {0, 3, 7, 10, 14};
    }
    return {0, 4, 7};
}

std::vector<int> scale(Quality q)
{
    switch (q) {
    case Quality::Dom7: return {0, 2, 4, 5, 7, 9, 10};  // mixolydian
    case Quality::Min7: return {0, 2, 3, 5, 7, 9, 10};  // dorian
    default: return {0, 2, 4, 5, 7, 9, 11};             // major
    }
}

// Rootless piano voicings, two shapes per chord (the usual "A" and "B" forms), as intervals.
std::vector<std::vector<int>> voicings(Quality q)
{
    switch (q) {
    case Quality::Maj7: return {{4, 7, 11, 14}, {11, 14, 16, 19}};
    case Quality::Six: return {{4, 7, 9, 14}, {9, 14, 16, 19}};
    case Quality::Maj9: return {{4, 7, 11, 14}, {11, 14, 16, 19}};
    case Quality::Dom7: return {{4, 9, 10, 14}, {10, 14, 16, 21}};
    case Quality::Min7: return {{3, 7, 10, 14}, {10, 14, 15, 19}};
    }
    return {{0, 4, 7}};
}

// The key of pitch class pc nearest to ref, kept within [low, high].
int nearestKey(int pc, int ref, int low, int high)
{
    int best = -1;
    for (int k = low; k <= high; ++k)
        if (((k % 12) + 12) % 12 == pc && (best < 0 || std::abs(k - ref) < std::abs(best - ref)))
            best = k;
    return best < 0 ? ref : best;
}

bool inSet(int pc, int root, const std::vector<int>& intervals)
{
    for (int i : intervals)
        if ((root + i) % 12 == ((pc % 12) + 12) % 12)
            return true;
    return false;
}

// ---------------------------------------------------------------------------------------------
// The form

enum class Role { Intro, HeadA, HeadA2, HeadB, SoloA, SoloA2, ShoutB, RecapA, Tag };

struct Bar {
    std::vector<Chord> chords; // one for the whole bar, or two of two beats each
    Role role;
    int index; // within its section
};

struct Section {
    Role role;
    const char* marker;
    const char* changes; // bars separated by '|', one or two chords a bar
};

const char* const kChangesA = "Fmaj7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | F6 Dm7 | Gm7 C7";
const char* const kChangesA2 = "Fmaj7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | F6 | Cm7 F7";
const char* const kChangesB = "Bbmaj7 | Bbm7 Eb7 | Fmaj7 | Am7 D7 | Gm7 | D7 | Gm7 | C7";

const Section kForm[] = {
    {Role::Intro, "Intro", "F6 Dm7 | Gm7 C7 | F6 Dm7 | Gm7 C7"},
    {Role::HeadA, "A", kChangesA},
    {Role::HeadA2, "A", kChangesA2},
    {Role::HeadB, "B", kChangesB},
    {Role::HeadA, "A", kChangesA},
    {Role::SoloA, "Solo A", kChangesA},
    {Role::SoloA2, "Solo A", kChangesA2},
    {Role::ShoutB, "B", kChangesB},
    {Role::RecapA, "A", kChangesA},
    {Role::Tag, "Final", "Gm7 C7 | Gm7 C7 | Fmaj9 | Fmaj9"},
};

std::vector<Bar> layOut(std::vector<std::pair<int, const char*>>& markers)
{
    std::vector<Bar> bars;
    for (const Section& s : kForm) {
        markers.emplace_back(int(bars.size()), s.marker);
        std::string all = s.changes;
        std::size_t from = 0;
        int index = 0;
        while (from <= all.size()) {
            std::size_t to = all.find('|', from);
            if (to == std::string::npos)
                to = all.size();
            Bar bar{{}, s.role, index++};
            std::size_t p = from;
            while (p < to) {
                while (p < to && all[p] == ' ')
                    ++p;
                std::size_t q = p;
                while (q < to && all[q] != ' ')
                    ++q;
                if (q > p)
                    bar.chords.push_back(chordNamed(all.substr(p, q - p)));
                p = q;
            }
            bars.push_back(bar);
            from = to + 1;
        }
    }
    return bars;
}

Chord chordAt(const Bar& bar, double beat)
{
    return bar.chords.size() > 1 && beat >= 2.0 ? bar.chords[1] : bar.chords[0];
}

double dynamics(Role r)
{
    switch (r) {
    case Role::Intro: return 0.86;
    case Role::HeadA:
    case Role::HeadA2: return 0.90;
    case Role::HeadB: return 0.95;
    case Role::SoloA:
    case Role::SoloA2: return 1.0;
    case Role::ShoutB: return 1.06;
    case Role::RecapA: return 0.92;
    case Role::Tag: return 0.96;
    }
    return 1.0;
}

int scaled(double velocity, Role r) { return std::clamp(int(std::lround(velocity * dynamics(r))), 1, 127); }

// ---------------------------------------------------------------------------------------------
// Written melodies, in a small notation: "C5:2" is the C above middle C for two eighths, "Bb4:1"
// the B flat below it for one, "r:3" a rest of three eighths.

struct Written {
    int eighth; // from the first bar of the passage
    int length; // eighths
    int key;
};

std::vector<Written> melody(const char* text, int bars)
{
    std::vector<Written> out;
    std::string all = text;
    std::size_t p = 0;
    int at = 0;
    while (p < all.size()) {
        while (p < all.size() && (all[p] == ' ' || all[p] == '|'))
            ++p;
        if (p >= all.size())
            break;
        const std::size_t colon = all.find(':', p);
        std::size_t end = p;
        while (end < all.size() && all[end] != ' ' && all[end] != '|')
            ++end;
        const std::string pitch = all.substr(p, colon - p);
        const int length = std::stoi(all.substr(colon + 1, end - colon - 1));
        if (pitch != "r") {
            std::size_t q = 0;
            const int pc = pitchClass(pitch, q);
            const int octave = std::stoi(pitch.substr(q));
            // The accidental may cross the octave line (Cb, B#): count from the letter's octave.
            int key = (octave + 1) * 12 + pc;
            if (pitch[0] == 'C' && pc == 11)
                key -= 12;
            if (pitch[0] == 'B' && pc == 0)
                key += 12;
            out.push_back({at, length, key});
        }
        at += length;
        p = end;
    }
    if (at != bars * 8) {
        std::fprintf(stderr, "zor-assetgen: melody of %d eighths, %d expected: %s\n", at, bars * 8, text);
        std::exit(1);
    }
    return out;
}

const char* const kHeadA =
    "r:1 C5:1 D5:1 E5:1 F5:3 E5:1 | D5:2 F#4:1 A4:1 C5:4 | r:1 Bb4:1 D5:1 F5:1 A5:2 G5:2 |"
    "E5:3 D5:1 C5:2 Bb4:2 | A4:2 C5:1 E5:1 F#5:2 D5:2 | G5:3 F5:1 E5:2 C5:2 |"
    "F5:4 D5:2 A4:2 | Bb4:2 A4:1 G4:1 E4:2 r:2";
const char* const kHeadA2 =
    "r:1 C5:1 D5:1 E5:1 F5:3 E5:1 | D5:2 F#4:1 A4:1 C5:4 | r:1 Bb4:1 D5:1 F5:1 A5:2 G5:2 |"
    "E5:3 D5:1 C5:2 Bb4:2 | A4:2 C5:1 E5:1 F#5:2 D5:2 | G5:3 F5:1 E5:2 C5:2 |"
    "A5:1 G5:1 F5:1 E5:1 F5:4 | r:2 C5:1 Eb5:1 F5:1 A5:1 G5:2";
const char* const kHeadB =
    "D5:3 C5:1 D5:2 F5:2 | Db5:2 F5:1 Ab5:1 G5:4 | A5:3 G5:1 E5:2 C5:2 | A4:2 C5:1 E5:1 F#5:4 |"
    "G5:2 F5:1 D5:1 Bb4:4 | F#5:2 E5:1 D5:1 C5:4 | Bb4:3 D5:1 F5:2 A5:2 | G5:2 E5:1 C5:1 Bb4:2 G4:2";
const char* const kTagVibes =
    "r:1 D5:1 F5:1 A5:1 G5:2 E5:2 | r:1 Bb4:1 D5:1 F5:1 A5:1 G5:1 E5:1 C5:1 |"
    "C5:1 F5:1 A5:10 r:4";
const char* const kTagSax = "Bb4:4 Bb4:4 | A4:4 Bb4:4 | E5:12 r:4";

// Plays a written passage from `firstBar`, swung, each note a little shorter than written.
void playWritten(Track& t, int channel, const std::vector<Written>& notes, int firstBar, int transpose,
                 double velocity, Role role, Dice& dice)
{
    for (const Written& n : notes) {
        const double start = barBeat(firstBar, n.eighth / 2.0);
        const double end = barBeat(firstBar, (n.eighth + n.length) / 2.0);
        const bool offBeat = n.eighth % 2 == 1;
        const double v = velocity + (offBeat ? 5 : 0) + (n.length >= 4 ? -4 : 0) + dice.jitter(4);
        t.note(channel, n.key + transpose, scaled(v, role), swungTick(start),
               swungTick(end) - (n.length >= 3 ? 40 : 25));
    }
}

// ---------------------------------------------------------------------------------------------
// The parts

constexpr int kVibes = 0, kPiano = 1, kBass = 2, kSax = 3, kStrings = 4, kDrums = 9;

void setUp(Track& t, int channel, int program, int volume, int pan, int reverb, int chorus)
{
    t.control(0, channel, 121, 0); // reset controllers
    t.program(0, channel, program);
    t.control(0, channel, 7, volume);
    t.control(0, channel, 10, pan);
    t.control(0, channel, 91, reverb);
    t.control(0, channel, 93, chorus);
}

void vibesPart(Track& t, const std::vector<Bar>& bars, const std::vector<std::pair<int, const char*>>& starts)
{
    setUp(t, kVibes, 11, 100, 78, 52, 0); // Vibraphone
    Dice dice(0xB1B35);
    for (const auto& [first, marker] : starts) {
        (void)marker;
        const Role role = bars[std::size_t(first)].role;
        switch (role) {
        case Role::HeadA:
        case Role::RecapA: playWritten(t, kVibes, melody(kHeadA, 8), first, 0, 92, role, dice); break;
        case Role::HeadA2: playWritten(t, kVibes, melody(kHeadA2, 8), first, 0, 92, role, dice); break;
        case Role::HeadB:
        case Role::ShoutB: playWritten(t, kVibes, melody(kHeadB, 8), first, 0, 94, role, dice); break;
        case Role::Tag: playWritten(t, kVibes, melody(kTagVibes, 4), first, 0, 90, role, dice); break;
        default: break; // the vibraphone lays out in the intro and under the solo
        }
    }
}

// The tenor's improvised chorus: rhythm cells of eighths (negative: a rest), strong beats on
// chord tones, off-beats stepping through the chord's scale, phrases of two bars, each ending on
// a longer chord tone.
void saxSolo(Track& t, const std::vector<Bar>& bars, int first, int count, Dice& dice, int& last)
{
    static const std::vector<std::vector<int>> flowing = {
        {1, 1, 1, 1, 1, 1, 1, 1}, {2, 1, 1, 1, 1, 1, 1}, {-1, 1, 1, 1, 1, 1, 2}, {3, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 2, 2},       {-2, 1, 1, 1, 1, 2},    {2, 2, 1, 1, 1, 1},    {1, 1, 2, 1, 1, 2}};
    static const std::vector<std::vector<int>> closing = {
        {1, 1, 1, 1, 3, -1}, {2, 1, 1, 4}, {-1, 1, 1, 1, 4}, {1, 1, 2, 2, -2}, {3, 1, 4}, {1, 1, 1, 1, 1, 3}};
    constexpr int low = 55, high = 76;
    int direction = 1;
    for (int b = first; b < first + count; ++b) {
        const Bar& bar = bars[std::size_t(b)];
        const bool phraseEnd = bar.index % 2 == 1;
        const auto& cells = phraseEnd ? closing[std::size_t(dice.below(int(closing.size())))]
                                      : flowing[std::size_t(dice.below(int(flowing.size())))];
        int at = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const int len = std::abs(cells[i]);
            if (cells[i] < 0) {
                at += len;
                continue;
            }
            const double beat = at / 2.0;
            const Chord c = chordAt(bar, beat);
            const bool lastOfPhrase = phraseEnd && i + 1 >= cells.size() - (cells.back() < 0 ? 1 : 0);
            if (last <= low + 2)
                direction = 1;
            else if (last >= high - 2)
                direction = -1;
            else if (dice.chance(0.22))
                direction = -direction;

            int key = last;
            if (at % 2 == 0 || lastOfPhrase) {
                // A chord tone near where the line is heading; now and then a leap.
                const int aim = last + direction * (dice.chance(0.15) ? 5 + dice.below(3) : 2);
                int best = -1;
                for (int k = low; k <= high; ++k)
                    if (inSet(k, c.root, chordTones(c.quality)) && k != last
                        && (best < 0 || std::abs(k - aim) < std::abs(best - aim)))
                        best = k;
                key = best < 0 ? last : best;
            } else {
                // The next scale tone in the line's direction, or a chromatic neighbour.
                const std::vector<int> sc = scale(c.quality);
                int k = last + direction;
                if (dice.chance(0.12))
                    key = k;
                else {
                    while (!inSet(k, c.root, sc))
                        k += direction;
                    key = k;
                }
            }
            key = std::clamp(key, low, high);
            const double start = barBeat(b, beat);
            const double end = barBeat(b, (at + len) / 2.0);
            const bool off = at % 2 == 1;
            const double v = 84 + (off ? 7 : 0) + (lastOfPhrase ? -6 : 0) + dice.jitter(5);
            t.note(kSax, key, scaled(v, bar.role), swungTick(start), swungTick(end) - (len >= 3 ? 45 : 20));
            last = key;
            at += len;
        }
    }
}

// Long notes on the third or seventh of each chord, moving by the smallest step.
void guideTones(Track& t, const std::vector<Bar>& bars, int first, int count, int& last)
{
    for (int b = first; b < first + count; ++b) {
        const Bar& bar = bars[std::size_t(b)];
        const double span = 4.0 / double(bar.chords.size());
        for (std::size_t i = 0; i < bar.chords.size(); ++i) {
            const Chord c = bar.chords[i];
            const int third = c.quality == Quality::Min7 ? 3 : 4;
            const int seventh = c.quality == Quality::Six ? 9 : (c.quality == Quality::Maj7 || c.quality == Quality::Maj9 ? 11 : 10);
            const int a = nearestKey((c.root + third) % 12, last, 55, 70);
            const int s = nearestKey((c.root + seventh) % 12, last, 55, 70);
            const int key = std::abs(a - last) <= std::abs(s - last) ? a : s;
            const double start = barBeat(b, i * span);
            t.note(kSax, key, scaled(62, bar.role), straightTick(start), straightTick(start + span) - 50);
            last = key;
        }
    }
}

void saxPart(Track& t, const std::vector<Bar>& bars, const std::vector<std::pair<int, const char*>>& starts)
{
    setUp(t, kSax, 66, 96, 50, 46, 0); // Tenor Sax
    Dice dice(0x5A705010);
    Dice accents(0x5A70A);
    int last = 65;
    for (const auto& [first, marker] : starts) {
        (void)marker;
        const Role role = bars[std::size_t(first)].role;
        switch (role) {
        case Role::SoloA:
        case Role::SoloA2: saxSolo(t, bars, first, 8, dice, last); break;
        case Role::ShoutB: playWritten(t, kSax, melody(kHeadB, 8), first, -12, 88, role, accents); break;
        case Role::RecapA: guideTones(t, bars, first, 8, last); break;
        case Role::Tag: playWritten(t, kSax, melody(kTagSax, 4), first, 0, 70, role, accents); break;
        default: break;
        }
    }
}

// Comping: a rhythm cell per bar (start and length in eighths), voicings led smoothly from one
// chord to the next. A stab on the last eighth of a bar anticipates the next bar's chord.
void pianoPart(Track& t, const std::vector<Bar>& bars)
{
    setUp(t, kPiano, 4, 80, 40, 40, 12); // Electric Piano 1
    Dice dice(0x9A40);
    struct Hit {
        int at, len;
    };
    static const std::vector<std::vector<Hit>> oneChord = {
        {{0, 3}, {3, 2}},        // Charleston
        {{2, 1}, {3, 3}},        // on two and its off-beat
        {{0, 2}, {5, 2}},        // one and the off-beat of three
        {{3, 1}, {7, 1}},        // pushes
        {{0, 6}},                // a held chord
        {{1, 2}, {4, 1}, {7, 1}} // off-beats
    };
    static const std::vector<std::vector<Hit>> twoChords = {
        {{0, 3}, {4, 3}}, {{0, 2}, {3, 1}, {4, 2}, {7, 1}}, {{3, 1}, {4, 3}}, {{1, 2}, {5, 2}}};
    std::vector<int> voicing = {57, 60, 64, 67};
    auto voice = [&](const Chord& c) {
        std::vector<int> best;
        int bestCost = 1 << 30;
        for (const auto& shape : voicings(c.quality)) {
            for (int base = 36; base <= 72; base += 12) {
                std::vector<int> v;
                for (int i : shape)
                    v.push_back(base + c.root + i);
                if (v.front() < 50 || v.front() > 63 || v.back() > 79)
                    continue;
                int cost = 0;
                for (std::size_t k = 0; k < v.size() && k < voicing.size(); ++k)
                    cost += std::abs(v[k] - voicing[k]);
                if (cost < bestCost) {
                    bestCost = cost;
                    best = v;
                }
            }
        }
        voicing = best;
        return best;
    };

    for (std::size_t b = 0; b < bars.size(); ++b) {
        const Bar& bar = bars[b];
        if (bar.role == Role::Tag && bar.index >= 2) {
            if (bar.index == 2) { // the last chord, rolled upwards and left to ring
                std::vector<int> v = voice(bar.chords[0]);
                v.insert(v.begin(), {41, 48});
                for (std::size_t k = 0; k < v.size(); ++k)
                    t.note(kPiano, v[k], scaled(66 + int(k) * 2, bar.role),
                           straightTick(barBeat(int(b), 0)) + uint32_t(k) * 30,
                           straightTick(barBeat(int(b), 6.5)));
            }
            continue;
        }
        const bool sparse = bar.role == Role::HeadA || bar.role == Role::HeadA2 || bar.role == Role::Intro;
        const auto& cells = bar.chords.size() > 1 ? twoChords[std::size_t(dice.below(int(twoChords.size())))]
                                                  : oneChord[std::size_t(dice.below(sparse ? 5 : int(oneChord.size())))];
        for (const Hit& h : cells) {
            Chord c = chordAt(bar, h.at / 2.0);
            if (h.at == 7 && b + 1 < bars.size())
                c = bars[b + 1].chords[0]; // anticipation
            const std::vector<int> v = voice(c);
            const double start = barBeat(int(b), h.at / 2.0);
            const double end = barBeat(int(b), (h.at + h.len) / 2.0);
            const int vel = scaled(64 + (h.at % 2 ? 6 : 0) + dice.jitter(5), bar.role);
            for (std::size_t k = 0; k < v.size(); ++k)
                t.note(kPiano, v[k], vel - (k == 0 ? 6 : 0), swungTick(start) + uint32_t(k) * 3,
                       swungTick(end) - 30);
        }
    }
}

// Bass: in two (root and fifth, half notes) in the intro and the first two A sections, then a
// walking line of quarter notes: the root where a chord begins, chord and scale tones on the way,
// and a chromatic or dominant approach into the next chord.
void bassPart(Track& t, const std::vector<Bar>& bars)
{
    setUp(t, kBass, 32, 108, 64, 18, 0); // Acoustic Bass
    Dice dice(0xBA55);
    constexpr int low = 28, high = 52;
    int last = 41;
    auto place = [&](int pc, int ref) { return nearestKey(((pc % 12) + 12) % 12, ref, low, high); };
    auto put = [&](int bar, double beat, double length, int key, int velocity, Role role) {
        t.note(kBass, key, scaled(velocity + dice.jitter(5), role), straightTick(barBeat(bar, beat)),
               straightTick(barBeat(bar, beat + length)) - 30);
        last = key;
    };

    for (std::size_t b = 0; b < bars.size(); ++b) {
        const Bar& bar = bars[b];
        const int bi = int(b);
        const Chord first = bar.chords[0];
        const Chord next = b + 1 < bars.size() ? bars[b + 1].chords[0] : first;

        if (bar.role == Role::Tag && bar.index >= 2) {
            if (bar.index == 2)
                put(bi, 0, 6.5, 29, 100, bar.role); // low F under the last chord
            continue;
        }
        const bool inTwo = bar.role == Role::Intro || bar.role == Role::HeadA || bar.role == Role::HeadA2;
        if (inTwo) {
            const int root = place(first.root, last > 45 ? 38 : last);
            put(bi, 0, 2, root, 98, bar.role);
            if (bar.chords.size() > 1)
                put(bi, 2, 2, place(bar.chords[1].root, root), 92, bar.role);
            else
                put(bi, 2, 2, place(first.root + 7, root), 90, bar.role);
            if (bar.index % 4 == 3) // a skip into the next bar
                t.note(kBass, last, scaled(70, bar.role), swungTick(barBeat(bi, 3.5)), swungTick(barBeat(bi, 4)) - 20);
            continue;
        }

        // Walking.
        std::vector<int> line(4);
        auto approach = [&](int from, const Chord& target) {
            const int goal = place(target.root, from);
            switch (dice.below(4)) {
            case 0: return place(target.root + 7, goal);                // its dominant
            case 1: return std::clamp(goal + 1, low, high);            // from above
            default: return std::clamp(goal + (from < goal ? -1 : 1), low, high); // chromatic
            }
        };
        if (bar.chords.size() > 1) {
            const Chord second = bar.chords[1];
            line[0] = place(first.root, last);
            const std::vector<int> tones = chordTones(first.quality);
            line[1] = dice.chance(0.5) ? approach(line[0], second) : place(first.root + tones[std::size_t(1 + dice.below(2))], line[0]);
            line[2] = place(second.root, line[1]);
            line[3] = approach(line[2], next);
        } else {
            // Two tones of the chord or its scale (as intervals above the root), taken upwards
            // from a low root and downwards from a high one, so the line keeps to the register.
            static const std::vector<std::vector<int>> major = {{2, 4}, {4, 7}, {7, 9}, {11, 7}, {4, 2}};
            static const std::vector<std::vector<int>> dominant = {{2, 4}, {4, 7}, {10, 7}, {7, 10}, {4, 5}};
            static const std::vector<std::vector<int>> minor = {{2, 3}, {3, 7}, {10, 7}, {7, 5}, {3, 5}};
            const auto& shapes = first.quality == Quality::Dom7 ? dominant
                : first.quality == Quality::Min7                 ? minor
                                                                 : major;
            const auto& s = shapes[std::size_t(dice.below(int(shapes.size())))];
            line[0] = place(first.root, last);
            const int sign = line[0] > 42 ? -1 : (line[0] < 36 ? 1 : (dice.chance(0.5) ? 1 : -1));
            line[1] = place(first.root + s[0], line[0] + sign * 3);
            line[2] = place(first.root + s[1], line[1] + sign * 2);
            line[3] = approach(line[2], next);
        }
        // No note struck twice in a row: an approach that lands on the note before it comes
        // from the other side of its target instead.
        if (line[3] == line[2]) {
            const int goal = place(next.root, line[2]);
            line[3] = std::clamp(2 * goal - line[3], low, high);
        }
        for (int beat = 0; beat < 4; ++beat)
            put(bi, beat, 1, line[std::size_t(beat)], beat == 0 ? 100 : 90, bar.role);
    }
}

// Strings: a soft pad of three voices under the bridges, the last A and the ending.
void stringsPart(Track& t, const std::vector<Bar>& bars)
{
    setUp(t, kStrings, 48, 66, 86, 72, 20); // String Ensemble 1
    std::vector<int> voices = {57, 62, 65};
    for (std::size_t b = 0; b < bars.size(); ++b) {
        const Bar& bar = bars[b];
        const bool on = bar.role == Role::HeadB || bar.role == Role::ShoutB || bar.role == Role::RecapA
            || bar.role == Role::Tag;
        if (!on || (bar.role == Role::Tag && bar.index == 3))
            continue;
        const double span = 4.0 / double(bar.chords.size());
        for (std::size_t i = 0; i < bar.chords.size(); ++i) {
            const Chord c = bar.chords[i];
            // Third, seventh (or sixth) and fifth/ninth, each voice moving to its nearest tone.
            const int third = c.quality == Quality::Min7 ? 3 : 4;
            const int seventh = c.quality == Quality::Six ? 9 : (c.quality == Quality::Dom7 || c.quality == Quality::Min7 ? 10 : 11);
            const int pcs[3] = {(c.root + third) % 12, (c.root + seventh) % 12, (c.root + (i % 2 ? 7 : 2)) % 12};
            std::vector<int> next;
            for (int k = 0; k < 3; ++k)
                next.push_back(nearestKey(pcs[k], voices[std::size_t(k)], 52, 74));
            std::sort(next.begin(), next.end());
            voices = next;
            const double start = barBeat(int(b), i * span);
            const double length = bar.role == Role::Tag && bar.index == 2 ? 6.5 : span;
            const int vel = bar.role == Role::RecapA ? 46 : 56;
            for (int key : voices)
                t.note(kStrings, key, vel, straightTick(start), straightTick(start + length) - 20);
        }
    }
}

// Drums on channel 10: the ride's swing pattern, hi-hat on two and four, a feathered bass drum,
// snare comping that grows busier in the second chorus, fills into every section, crashes on
// the downbeats after them, and a last crash under the final chord.
void drumsPart(Track& t, const std::vector<Bar>& bars)
{
    constexpr int kick = 36, sideStick = 37, snare = 38, closedHat = 42, pedalHat = 44, crash = 49,
                  ride = 51, rideBell = 53, tomHigh = 50, tomMid = 47, tomLow = 45, floorTom = 41;
    setUp(t, kDrums, 0, 94, 64, 34, 0); // Standard kit
    Dice dice(0xD2D2);
    auto hit = [&](double beats, int key, int velocity, Role role, bool swung = true) {
        const uint32_t at = swung ? swungTick(beats) : straightTick(beats);
        t.note(kDrums, key, scaled(velocity + dice.jitter(4), role), at, at + kPpq / 4);
    };

    for (std::size_t b = 0; b < bars.size(); ++b) {
        const Bar& bar = bars[b];
        const int bi = int(b);
        const Role r = bar.role;
        const bool sectionEnd = (b + 1 < bars.size() && bars[b + 1].index == 0)
            || (r == Role::Tag && bar.index == 1); // into the last chord
        const bool sectionStart = bar.index == 0 && b > 0;

        if (r == Role::Tag && bar.index >= 2) {
            if (bar.index == 2) {
                hit(barBeat(bi, 0), crash, 100, r);
                hit(barBeat(bi, 0), rideBell, 80, r);
                hit(barBeat(bi, 0), kick, 96, r);
            }
            continue;
        }
        if (sectionStart) {
            hit(barBeat(bi, 0), crash, 92, r);
            hit(barBeat(bi, 0), kick, 86, r);
        }

        // Time: the ride (closed hi-hat in the intro) on every beat, with the swung skip notes.
        const int timeKey = r == Role::Intro ? closedHat : ride;
        const double timeEnd = sectionEnd ? 2.0 : 4.0; // a fill takes the last two beats
        for (double beat : {0.0, 1.0, 1.5, 2.0, 3.0, 3.5}) {
            if (beat >= timeEnd || (sectionStart && beat == 0.0))
                continue;
            const bool backbeat = beat == 1.0 || beat == 3.0;
            const bool skip = beat != std::floor(beat);
            hit(barBeat(bi, beat), timeKey, backbeat ? 84 : (skip ? 60 : 72), r);
        }
        hit(barBeat(bi, 1), pedalHat, 70, r);
        if (!sectionEnd)
            hit(barBeat(bi, 3), pedalHat, 70, r);
        for (int beat = 0; beat < (sectionEnd ? 2 : 4); ++beat)
            if (!(sectionStart && beat == 0))
                hit(barBeat(bi, beat), kick, 34, r); // feathered, felt more than heard

        const bool firstChorus = r == Role::Intro || r == Role::HeadA || r == Role::HeadA2;
        if (firstChorus && !sectionEnd) {
            hit(barBeat(bi, 3), sideStick, 58, r); // the lounge rim click on four
        } else if (!sectionEnd) {
            // Comping on the snare: a few soft off-beat touches, sometimes an accent.
            const int touches = r == Role::RecapA || r == Role::HeadB ? dice.below(2) : 1 + dice.below(2);
            for (int i = 0; i < touches; ++i) {
                const double beat = 0.5 + dice.below(4);
                hit(barBeat(bi, beat), snare, dice.chance(0.2) ? 72 : 42, r);
            }
            if (bar.index == 3 && dice.chance(0.5))
                hit(barBeat(bi, 3.5), kick, 70, r); // a bomb dropped before the half-section
        }

        if (sectionEnd) {
            // Fill: snare triplets on three, down the toms in triplets on four, kick into the
            // next downbeat. Triplets are played straight, not swung.
            const double base = barBeat(bi, 2);
            const int step = r == Role::Intro ? 0 : 1;
            for (int k = 0; k < 3; ++k)
                hit(base + k / 3.0, snare, 60 + 8 * k + 6 * step, r, false);
            const int toms[3] = {tomHigh, tomMid, tomLow};
            for (int k = 0; k < 3; ++k)
                hit(base + 1.0 + k / 3.0, r == Role::Tag ? floorTom : toms[k], 80 + 4 * k, r, false);
            hit(base + 1.0 + 2 / 3.0, kick, 78, r, false);
        }
    }
}

void fail(const QString& path, const QString& reason)
{
    std::fprintf(stderr, "zor-assetgen: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
    std::exit(1);
}

} // namespace

void writeMusic(const QDir& gameDir)
{
    std::vector<std::pair<int, const char*>> starts;
    const std::vector<Bar> bars = layOut(starts);
    const int barCount = int(bars.size());
    const uint32_t endTick = straightTick(barBeat(barCount, 0));

    // Conductor: title, meter, key, tempo (slowing over the last turnaround), section markers.
    Track conductor("Cassino ZOR");
    conductor.sysex(0, QByteArray("\x7E\x7F\x09\x01\xF7", 5)); // General MIDI on
    conductor.meta(0, 0x01, "Cassino ZOR - tema do menu");
    conductor.meta(0, 0x58, QByteArray("\x04\x02\x18\x08", 4)); // 4/4
    conductor.meta(0, 0x59, QByteArray("\xFF\x00", 2));         // F major
    auto tempo = [&](double beats, double bpm) {
        const uint32_t us = uint32_t(std::lround(60000000.0 / bpm));
        conductor.meta(straightTick(beats), 0x51, raw({int(us >> 16), int(us >> 8), int(us)}));
    };
    tempo(0, 140);
    const int slowBar = barCount - 3; // the second turnaround of the ending
    const double slowing[] = {128, 120, 112, 104};
    for (int beat = 0; beat < 4; ++beat)
        tempo(barBeat(slowBar, beat), slowing[beat]);
    tempo(barBeat(slowBar + 1, 0), 96);
    for (const auto& [bar, name] : starts)
        conductor.meta(straightTick(barBeat(bar, 0)), 0x06, name);

    Track vibes("Vibrafone"), sax("Sax tenor"), piano("Piano eletrico"), bass("Contrabaixo"),
        strings("Cordas"), drums("Bateria");
    vibesPart(vibes, bars, starts);
    saxPart(sax, bars, starts);
    pianoPart(piano, bars);
    bassPart(bass, bars);
    stringsPart(strings, bars);
    drumsPart(drums, bars);

    const QByteArray bytes = midiFile({&conductor, &vibes, &sax, &piano, &bass, &strings, &drums}, endTick);
    const QString path = gameDir.filePath(QStringLiteral("casino.mid"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(path, file.errorString());
    if (file.write(bytes) != bytes.size())
        fail(path, file.errorString());
}

} // namespace assetgen
