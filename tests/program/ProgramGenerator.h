#pragma once
// Random programs for the properties of reading and saving.
#include <cctype>
#include <random>
#include <string>

// Random programs in the shapes students write: moves with and without
// codes, carried words, both kinds of arc, cycles, spindle and coolant
// codes, tools, odd case and spacing, comments and Chinese remarks.
class CProgramGenerator {
public:
    // With faults, some lines are rejected in ways that still change what
    // the reader carries on to the next line.
    explicit CProgramGenerator(unsigned seed, bool faults = false) : m_random(seed), m_faults(faults) {}

    std::string Program()
    {
        m_arcByRadius = Chance(50);
        std::string program = "G00X" + Number() + "Z" + Number() + "\nG01X" + Number() + "Z" + Number() +
                              "F" + Number() + "\n";
        for (int n = Pick(1, 25); n > 0; --n)
            program += Decorate(m_faults && Chance(10) ? FaultyLine() : Line()) + "\n";
        return program;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    std::string Number()
    {
        std::string n = Chance(20) ? "-" : "";
        n += std::to_string(Pick(0, 200));
        if (Chance(40))
            n += "." + std::to_string(Pick(0, 99));
        return n;
    }
    std::string Word(const char* letter, int percent) { return Chance(percent) ? letter + Number() : ""; }
    std::string Move(const char* code, const char* extra = "")
    {
        std::string x = Word(Chance(80) ? "X" : "U", 70), z = Word("Z", 70);
        std::string line = code + (Chance(15) ? z + x : x + z) + extra;
        return line;
    }
    std::string Line()
    {
        switch (Pick(0, 14)) {
        case 0: return Move("G00");
        case 1: return Move("G01", Word("F", 40).c_str());
        case 2: return Move(Chance(50) ? "" : "G01");
        case 3: return Move("G32", Word("F", 30).c_str());
        case 4: {
            std::string centre = m_arcByRadius ? Word("R", 60) : "I" + Number() + "K" + Number();
            return Move(Chance(50) ? "G02" : "G03", (centre + Word("F", 30)).c_str());
        }
        case 5: return Move(Chance(50) ? "G90" : "G94", (Word("R", 50) + "F" + Number()).c_str());
        case 6: return "G71U" + Number() + "R" + Number();
        case 7: return "G71P" + Number() + "Q" + Number() + "U" + Number() + "W" + Number() + "F" + Number();
        case 8: return (Chance(50) ? "M03S" : "M04S") + Number();
        case 9: return std::string(Chance(50) ? "M05" : "M08") + (Chance(30) ? "X" + Number() : "");
        case 10: return "T0" + std::to_string(Pick(1, 4)) + "0" + std::to_string(Pick(1, 4));
        case 11: {
            static const char* const codes[] = {"G40", "G41", "G42", "G50", "G96S200", "G97", "G99", "M09"};
            return codes[Pick(0, 7)];
        }
        case 12: return Chance(50) ? "// 注释" : "";
        case 13: return Move("G00") + "M0" + std::to_string(Pick(2, 9)) + (Chance(50) ? "S" + Number() : "");
        default: return "G04X1";
        }
    }
    std::string FaultyLine()
    {
        switch (Pick(0, 4)) {
        case 0: return Chance(50) ? "M03" : "M04X" + Number();  // takes the code, then wants an S
        case 1: return "M30X" + Number();                     // an unknown M: the carried code
        case 2: return "G02X" + Number() + "Z" + Number() + "I1K1R1F1"; // carries X, Z, I, K
        case 3: return Chance(50) ? "G01X1Z1I1" : "G00X" + Number() + "F1"; // the code stays carried
        default: return "N10" + Line();
        }
    }
    std::string Decorate(std::string line)
    {
        if (Chance(10))
            for (char& c : line)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (Chance(10))
            line.insert(line.size() / 2, " \t");
        if (Chance(5))
            line += "（精车）";
        if (Chance(10))
            line += "\r";
        return line;
    }

    std::mt19937 m_random;
    bool m_faults = false;
    bool m_arcByRadius = false;
};
