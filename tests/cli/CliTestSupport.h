#pragma once

#include "CacheIsolation.h"
#include "Commands.h"
#include "CubeTestSupport.h"
#include "Facelets.h"
#include "StepCodes.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace turnix::test {

inline const std::string Solved = "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";
inline const std::string Scrambled = "DRLUUBFBRBLURRLRUBLRDDFDLFUFUFFDBRDUBRUFLLFDDBFLUBLRBD";
// Every piece is there, but one edge is flipped in place.
inline const std::string OneEdgeFlipped = "UUUUUUUFURRRRRRRRRFUFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";

struct Result {
    cli::ExitStatus status;
    std::string out;
    std::string err;

    friend bool operator==(const Result&, const Result&) = default;
    friend void PrintTo(const Result& r, std::ostream* os) {
        *os << "status " << static_cast<int>(r.status) << ", out \"" << r.out << "\", err \""
            << r.err << "\"";
    }
};

inline Result Cli(std::vector<std::string_view> arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const cli::ExitStatus status = cli::RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

// Hands out its text, then fails as reading a folder does; or, as output,
// takes nothing, as a full disk does.
class BrokenStream : public std::streambuf {
public:
    explicit BrokenStream(std::string text = "") : readable(std::move(text)) {
        setg(readable.data(), readable.data(), readable.data() + readable.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("cannot read"); }
    int_type overflow(int_type) override { return traits_type::eof(); }

private:
    std::string readable;
};

inline Result CliWithBrokenStreams(std::vector<std::string_view> arguments,
                                   const std::string& input, bool inputBreaks, bool outputBreaks) {
    BrokenStream brokenIn(input);
    BrokenStream brokenOut;
    std::istringstream goodIn(input);
    std::ostringstream goodOut;
    std::istream in(inputBreaks ? static_cast<std::streambuf*>(&brokenIn) : goodIn.rdbuf());
    std::ostream out(outputBreaks ? static_cast<std::streambuf*>(&brokenOut) : goodOut.rdbuf());
    std::ostringstream err;
    const cli::ExitStatus status = cli::RunCli(arguments, in, out, err);
    return {status, goodOut.str(), err.str()};
}

// The codes on the first line of an answer.
inline std::vector<std::int16_t> Codes(const std::string& answer) {
    std::istringstream words(answer.substr(0, answer.find('\n')));
    std::vector<std::int16_t> codes;
    for (std::int16_t code = 0; words >> code;) {
        codes.push_back(code);
    }
    return codes;
}

inline bool CodesSolve(const std::string& facelets, const std::string& answer) {
    clsCube cube;
    EXPECT_FALSE(ReadFacelets(facelets, cube));
    for (const std::int16_t code : Codes(answer)) {
        ApplyStep(cube, code);
    }
    return IsSolved(cube);
}

} // namespace turnix::test
