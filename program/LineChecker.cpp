#include "program/LineChecker.h"

#include "program/CheckerMessages.h"
#include "program/Codes.h"
#include "common/FullWidth.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <optional>

namespace {

using SWords = std::array<std::string_view, CProcess::kTexts>;

std::string_view& WordOf(SWords& words, EWord word) { return words[static_cast<std::size_t>(word)]; }

// Upper-cases the line and drops blanks, control characters and every
// non-ASCII character (so Chinese text vanishes); full-width forms count as
// their ASCII twins. False at the first character outside the program
// alphabet.
bool CleanLine(std::string_view raw, std::string& out)
{
    static const auto kAllowed = [] {
        std::array<bool, 128> allowed{};
        for (char c : std::string_view("0123456789.()+-GMPQXZUWIKRFST"))
            allowed[static_cast<unsigned char>(c)] = true;
        return allowed;
    }();
    out.clear();
    for (std::size_t n = 0; n < raw.size(); ++n) {
        char c = raw[n];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const SFullWidth form = FullWidthAt(raw.substr(n));
            if (form.length == 0)
                continue;
            c = form.ascii;
            n += form.length - 1;
        }
        if (static_cast<signed char>(c) <= 32)
            continue;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (!kAllowed[static_cast<unsigned char>(c)])
            return false;
        out.push_back(c);
    }
    return true;
}

// Whether a number of the line lies beyond what the machine can be given;
// one too long for a double would otherwise read as 0. Only a number of
// five integer digits needs reading to tell.
bool NumberOutOfRange(std::string_view text)
{
    constexpr int kDigits = 5;
    constexpr double kLargest = 99999.999;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] == '.') { // a fraction never makes a number too large
            while (n + 1 < text.size() && isDigit(text[n + 1]))
                ++n;
            continue;
        }
        if (!isDigit(text[n]))
            continue;
        while (n + 1 < text.size() && text[n] == '0' && isDigit(text[n + 1]))
            ++n; // leading zeros
        const std::size_t start = n;
        while (n < text.size() && isDigit(text[n]))
            ++n;
        if (n - start > kDigits)
            return true;
        if (n - start < kDigits) {
            --n; // the character after the digits is looked at next
            continue;
        }
        std::size_t end = n;
        while (end < text.size() && (isDigit(text[end]) || text[end] == '.'))
            ++end;
        double value = 0.0;
        std::from_chars(text.data() + start, text.data() + end, value);
        if (value > kLargest)
            return true;
        n = end - 1;
    }
    return false;
}

// Integer value of the leading decimal digits of a text (0 when none).
int LeadingNumber(std::string_view text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 99999999)
            break; // no code number is that long; stop before int overflows
        value = value * 10 + (c - '0');
    }
    return value;
}

// One line being checked: the cleaned text, its letter positions, the
// carried state and the words found so far.
class CLineCheck {
public:
    CLineCheck(std::string_view text, SCarriedState& state) : m_text(text), m_state(state)
    {
        m_pos.fill(-1);
        for (int n = static_cast<int>(text.size()); n-- > 0;) {
            const char c = text[static_cast<std::size_t>(n)];
            if (c >= 'A' && c <= 'Z')
                m_pos[static_cast<std::size_t>(c - 'A')] = n;
        }
    }

    std::unique_ptr<CProcess> Run();
    std::optional<ECheckMessage> Fault() const { return m_fault; }
    int FaultArgument() const { return m_faultArgument; }

private:
    int Pos(char letter) const;
    bool Has(char letter) const { return Pos(letter) >= 0; }
    int PosX() const { return Has('X') ? Pos('X') : Pos('U'); }
    int PosZ() const { return Has('Z') ? Pos('Z') : Pos('W'); }
    int FirstPresent(std::initializer_list<char> letters) const;
    std::string_view Text(int from, int to) const;
    std::string_view ToEnd(int from) const { return Text(from, static_cast<int>(m_text.size())); }

    bool Reject(ECheckMessage message, int argument = 0);
    void SetCode(std::string_view code, bool carry);
    // A word present in the line is taken and carried; an absent one comes
    // from the carried word.
    void TakeOrCarry(EWord word, char letter, std::string& carried, int to);

    bool RunGCode(int number);
    bool RulesG00();
    bool RulesG01(const SCodeInfo& code);
    bool RulesArc(const SCodeInfo& code);
    bool RulesArcCentre();
    void RulesG71(const SCodeInfo& code);
    void RulesG70();
    bool RulesCycle(const SCodeInfo& code);
    bool RunMCode();
    std::unique_ptr<CProcess> MakeRecord() const;

    std::string_view m_text;
    SCarriedState& m_state;
    std::array<int, 26> m_pos{};
    SWords m_words{};
    std::optional<ECheckMessage> m_fault;
    int m_faultArgument = 0;
};

int CLineCheck::Pos(char letter) const
{
    return m_pos[static_cast<std::size_t>(letter - 'A')];
}

int CLineCheck::FirstPresent(std::initializer_list<char> letters) const
{
    for (char letter : letters) {
        if (Has(letter))
            return Pos(letter);
    }
    return static_cast<int>(m_text.size());
}

// Text from a to b with the clamps programs rely on: the count comes from
// the unclamped start, so an absent start (-1) reaches from the beginning and
// an absent end (-1) gives nothing.
std::string_view CLineCheck::Text(int from, int to) const
{
    const int length = static_cast<int>(m_text.size());
    int count = to - from;
    int start = from < 0 ? 0 : from;
    if (count < 0)
        count = 0;
    if (start > length)
        return {};
    if (start + count > length)
        count = length - start;
    return m_text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

bool CLineCheck::Reject(ECheckMessage message, int argument)
{
    m_fault = message;
    m_faultArgument = argument;
    return false;
}

void CLineCheck::SetCode(std::string_view code, bool carry)
{
    WordOf(m_words, EWord::Code) = code;
    if (carry)
        m_state.code.assign(code);
}

void CLineCheck::TakeOrCarry(EWord word, char letter, std::string& carried, int to)
{
    if (Has(letter)) {
        WordOf(m_words, word) = Text(Pos(letter), to);
        carried.assign(WordOf(m_words, word));
    } else {
        WordOf(m_words, word) = carried;
    }
}

bool CLineCheck::RulesG00()
{
    SetCode(CodeInfo(ECode::G00).text, true);
    if (Has('F'))
        return Reject(ECheckMessage::G00WithF);
    if (!Has('X') && m_state.x.empty())
        return Reject(ECheckMessage::G00NoX);
    if (!Has('Z') && m_state.z.empty())
        return Reject(ECheckMessage::G00NoZ);
    if (Has('I'))
        return Reject(ECheckMessage::G00WithI);
    if (Has('K'))
        return Reject(ECheckMessage::G00WithK);
    TakeOrCarry(EWord::X, 'X', m_state.x, FirstPresent({'Z'}));
    TakeOrCarry(EWord::Z, 'Z', m_state.z, FirstPresent({}));
    return true;
}

bool CLineCheck::RulesG01(const SCodeInfo& code)
{
    SetCode(code.text, true);
    if (!Has('X') && m_state.x.empty())
        return Reject(ECheckMessage::G01NoX);
    if (!Has('Z') && m_state.z.empty())
        return Reject(ECheckMessage::G01NoZ);
    if (!Has('F') && m_state.f.empty())
        return Reject(ECheckMessage::G01NoF);
    if (Has('I'))
        return Reject(ECheckMessage::G01WithI);
    if (Has('K'))
        return Reject(ECheckMessage::G01WithK);
    TakeOrCarry(EWord::X, 'X', m_state.x, FirstPresent({'Z', 'F'}));
    TakeOrCarry(EWord::Z, 'Z', m_state.z, FirstPresent({'F'}));
    TakeOrCarry(EWord::F, 'F', m_state.f, FirstPresent({}));
    return true;
}

bool CLineCheck::RulesArc(const SCodeInfo& code)
{
    SetCode(code.text, true);
    if (!Has('X') && m_state.x.empty())
        return Reject(ECheckMessage::ArcNoX);
    if (!Has('Z') && m_state.z.empty())
        return Reject(ECheckMessage::ArcNoZ);
    if (!Has('F') && m_state.f.empty())
        return Reject(ECheckMessage::ArcNoF);
    TakeOrCarry(EWord::X, 'X', m_state.x, FirstPresent({'Z', 'I', 'K', 'R', 'F'}));
    TakeOrCarry(EWord::Z, 'Z', m_state.z, FirstPresent({'I', 'K', 'R', 'F'}));
    if (!RulesArcCentre())
        return false;
    TakeOrCarry(EWord::F, 'F', m_state.f, FirstPresent({}));
    return true;
}

// The centre is given by I and K or by R, never both: the carried I, K and R
// are never cleared, so a file keeps to one way of programming arcs.
bool CLineCheck::RulesArcCentre()
{
    if (Has('I')) {
        WordOf(m_words, EWord::I) = Text(Pos('I'), FirstPresent({'K', 'R', 'F'}));
        m_state.i.assign(WordOf(m_words, EWord::I));
    } else if (m_state.r.empty() && !m_state.i.empty()) {
        WordOf(m_words, EWord::I) = m_state.i;
    }
    if (Has('K')) {
        WordOf(m_words, EWord::K) = Text(Pos('K'), FirstPresent({'R', 'F'}));
        m_state.k.assign(WordOf(m_words, EWord::K));
    } else if (m_state.r.empty() && !m_state.k.empty()) {
        WordOf(m_words, EWord::K) = m_state.k;
    }
    const bool centreCarried = !m_state.i.empty() || !m_state.k.empty();
    if (Has('R')) {
        if (centreCarried)
            return Reject(ECheckMessage::ArcBadR);
        WordOf(m_words, EWord::R) = Text(Pos('R'), FirstPresent({'F'}));
        m_state.r.assign(WordOf(m_words, EWord::R));
    } else if (!m_state.r.empty()) {
        if (centreCarried)
            return Reject(ECheckMessage::ArcBadR);
        WordOf(m_words, EWord::R) = m_state.r;
    } else if (m_state.i.empty() || m_state.k.empty()) {
        return Reject(ECheckMessage::ArcNoIKR);
    }
    return true;
}

// G71 and G73, both lines. Their U, W and R are a depth, allowances and a
// retract or a count, not a position or a radius, and the cycles are
// one-shot: the line after one carries the code, X, Z and R that stood
// before it, as on a control.
void CLineCheck::RulesG71(const SCodeInfo& code)
{
    SetCode(code.text, false);
    struct SPart {
        EWord word;
        int from, to;
        std::string* carried;
    };
    const int p = Pos('P'), q = Pos('Q'), x = PosX(), z = PosZ(), r = Pos('R');
    const int f = Pos('F'), s = Pos('S'), t = Pos('T'), end = static_cast<int>(m_text.size());
    // The positions are used as found, present or not.
    const std::initializer_list<SPart> second{
        {EWord::P, p, q, &m_state.p}, {EWord::Q, q, x, &m_state.q}, {EWord::X, x, z, nullptr},
        {EWord::Z, z, f, nullptr}, {EWord::F, f, s, &m_state.f}, {EWord::S, s, t, &m_state.s},
        {EWord::T, t, end, &m_state.t}};
    const std::initializer_list<SPart> first{{EWord::X, x, r, nullptr}, {EWord::R, r, end, nullptr}};
    const std::initializer_list<SPart> patternFirst{
        {EWord::X, x, z, nullptr}, {EWord::Z, z, r, nullptr}, {EWord::R, r, end, nullptr}};
    const bool pattern = code.code == ECode::G73;
    for (const SPart& part : Has('P') ? second : pattern ? patternFirst : first) {
        WordOf(m_words, part.word) = Text(part.from, part.to);
        if (part.carried)
            part.carried->assign(WordOf(m_words, part.word));
    }
}

// A finishing pass names its contour, or takes that of the last roughing
// cycle when the line gives no P.
void CLineCheck::RulesG70()
{
    SetCode(CodeInfo(ECode::G70).text, false);
    if (!Has('P'))
        return;
    const int q = Pos('Q');
    WordOf(m_words, EWord::P) = Text(Pos('P'), q < 0 ? static_cast<int>(m_text.size()) : q);
    if (q >= 0)
        WordOf(m_words, EWord::Q) = ToEnd(q);
}

bool CLineCheck::RulesCycle(const SCodeInfo& code)
{
    const int number = code.number;
    SetCode(code.text, false);
    if (!Has('X') && m_state.x.empty())
        return Reject(ECheckMessage::CycleNoX, number);
    if (!Has('Z') && m_state.z.empty())
        return Reject(ECheckMessage::CycleNoZ, number);
    if (!Has('F'))
        return Reject(ECheckMessage::CycleNoF, number);
    if (Has('I'))
        return Reject(ECheckMessage::CycleWithI, number);
    if (Has('K'))
        return Reject(ECheckMessage::CycleWithK, number);
    TakeOrCarry(EWord::X, 'X', m_state.x, FirstPresent({'Z', 'R', 'F'}));
    TakeOrCarry(EWord::Z, 'Z', m_state.z, FirstPresent({'R', 'F'}));
    WordOf(m_words, EWord::R) = Has('R') ? Text(Pos('R'), FirstPresent({'F'})) : "R0";
    WordOf(m_words, EWord::F) = ToEnd(Pos('F'));
    return true;
}

// False when the line ends here: rejected (a fault is set) or skipped.
bool CLineCheck::RunGCode(int number)
{
    const SCodeInfo& code = FindCode('G', number);
    switch (code.code) {
    case ECode::G00: return RulesG00();
    case ECode::G01:
    case ECode::G32: return RulesG01(code);
    case ECode::G02:
    case ECode::G03: return RulesArc(code);
    case ECode::G71:
    case ECode::G73: RulesG71(code); return true;
    case ECode::G70: RulesG70(); return true;
    case ECode::G90:
    case ECode::G92:
    case ECode::G94: return RulesCycle(code);
    default: break;
    }
    if (!code.read) {
        --m_state.counter; // a code we do not simulate: the line is passed over
        return false;
    }
    SetCode(code.text, true); // a code that takes no words
    return true;
}

// False when the line is rejected.
bool CLineCheck::RunMCode()
{
    if (!Has('M'))
        return true;
    const SCodeInfo& code = FindCode('M', LeadingNumber(Text(Pos('M') + 1, Pos('M') + 3)));
    if (!code.read)
        return true; // an auxiliary function the machine does not have
    SetCode(code.text, true);
    switch (code.code) {
    case ECode::M03:
    case ECode::M04:
        if (!Has('S'))
            return Reject(ECheckMessage::MNoS);
        WordOf(m_words, EWord::S) = ToEnd(Pos('S'));
        m_state.s.assign(WordOf(m_words, EWord::S));
        break;
    default: break;
    }
    return true;
}

std::unique_ptr<CProcess> CLineCheck::MakeRecord() const
{
    const SWords& w = m_words;
    auto at = [&w](EWord word) { return w[static_cast<std::size_t>(word)]; };
    return std::make_unique<CProcess>(m_state.counter, at(EWord::Code), at(EWord::P), at(EWord::Q),
                                      at(EWord::X), at(EWord::Z), at(EWord::I), at(EWord::K),
                                      at(EWord::R), at(EWord::F), at(EWord::S), at(EWord::T),
                                      at(EWord::AuxCode), 0, m_text);
}

std::unique_ptr<CProcess> CLineCheck::Run()
{
    ++m_state.counter;
    if (NumberOutOfRange(m_text)) {
        Reject(ECheckMessage::NumberOutOfRange);
        return nullptr;
    }
    if (Has('T')) {
        WordOf(m_words, EWord::T) = ToEnd(Pos('T'));
        m_state.t.assign(WordOf(m_words, EWord::T));
        return MakeRecord();
    }
    const bool carriedM = m_state.code.find('M') != std::string::npos;
    if (!Has('G') && !Has('M') && (m_state.code.empty() || carriedM)) {
        Reject(ECheckMessage::NoGM);
        return nullptr;
    }
    std::optional<int> gNumber;
    if (Has('G'))
        gNumber = LeadingNumber(Text(Pos('G') + 1, Pos('G') + 3));
    else if (m_state.code.find('G') != std::string::npos)
        gNumber = LeadingNumber(std::string_view(m_state.code).substr(1));
    if (gNumber && !RunGCode(*gNumber))
        return nullptr;
    if (!RunMCode())
        return nullptr;
    if (WordOf(m_words, EWord::Code).empty()) {
        static constexpr std::string_view kWordLetters = "XUZWPQRFSTIK";
        bool anyWord = false;
        for (char letter : kWordLetters)
            anyWord = anyWord || Has(letter);
        if (!anyWord) {
            --m_state.counter;
            return nullptr;
        }
        // The view must not alias the carried code, which later lines change;
        // the record copies it before that can happen.
        WordOf(m_words, EWord::Code) = m_state.code;
    }
    return MakeRecord();
}

std::string FormatMessage(ECheckMessage message, int line, int argument)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, CheckMessagePattern(message), line, argument);
    return buffer;
}

} // namespace

struct CLineChecker::SFault {
    ECheckMessage message;
    int line;
    int argument;
};

// Checks one line; *fault is set when it was rejected. A "//" starts a
// comment: the text before it is the line.
std::unique_ptr<CProcess> CLineChecker::Check(std::string_view line, SCarriedState& state,
                                              std::optional<SFault>* fault)
{
    line = line.substr(0, line.find("//"));
    thread_local std::string cleaned;
    if (!CleanLine(line, cleaned)) {
        *fault = SFault{ECheckMessage::IllegalChar, state.counter, 0};
        return nullptr;
    }
    if (cleaned.empty())
        return nullptr;
    CLineCheck check(cleaned, state);
    auto record = check.Run();
    if (check.Fault())
        *fault = SFault{*check.Fault(), state.counter, check.FaultArgument()};
    return record;
}

std::unique_ptr<CProcess> CLineChecker::CheckLine(std::string_view line, SCarriedState& state,
                                                  const SFileLine& where)
{
    std::optional<SFault> fault;
    auto record = Check(line, state, &fault);
    if (fault)
        Report(*fault, where);
    return record;
}

// A line rejected for a character made no statement, so the statement
// counter cannot name it: the box names its line in the file and shows it.
void CLineChecker::Report(SFault fault, const SFileLine& where)
{
    ++m_nRejected;
    const bool illegal = fault.message == ECheckMessage::IllegalChar && where.number > 0;
    if (illegal)
        fault.line = where.number;
    if (m_bSkipping) {
        m_skippedLines.push_back(fault.line);
        return;
    }
    std::string text = FormatMessage(fault.message, fault.line, fault.argument);
    if (illegal)
        text += "\n“" + std::string(where.text) + "”";
    if (!m_location.empty())
        text = m_location + ":" + std::to_string(where.number) + ": " + text;
    if (m_prompter.Ask(text, EPromptButtons::OkSkipRest) == EPromptAnswer::SkipRest)
        m_bSkipping = true;
}

void CLineChecker::Finish()
{
    if (m_bSkipping)
        m_prompter.Tell(SkippedLinesMessage(m_skippedLines));
    m_bSkipping = false;
    m_skippedLines.clear();
}

std::unique_ptr<CProcess> CLineChecker::CheckQuietly(std::string_view line, SCarriedState& state)
{
    std::optional<SFault> fault;
    return Check(line, state, &fault);
}

std::unique_ptr<CProcess> CLineChecker::CheckQuietly(std::string_view line, SCarriedState& state, bool& rejected)
{
    std::optional<SFault> fault;
    auto record = Check(line, state, &fault);
    rejected = fault.has_value();
    return record;
}
