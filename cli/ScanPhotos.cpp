#include "ScanPhotos.h"

#include "CheckReport.h"
#include "Commands.h"
#include "ControlEscapes.h"
#include "Facelets.h"
#include "Messages.h"
#include "diagnosis/Diagnosis.h"

#include <algorithm>
#include <atomic>
#include <ostream>
#include <thread>

namespace turnix::cli {

namespace {

constexpr std::array<std::int16_t, 6> FaceletSides{0, 5, 2, 1, 4, 3};

[[nodiscard]] char Letter(std::int16_t colour) {
    return FaceLetter(colour).value_or('?');
}

[[nodiscard]] std::string FaceletsOf(const vision::SideColors& colours) {
    std::string facelets;
    for (const std::int16_t s : FaceletSides) {
        for (const std::int16_t colour : colours[static_cast<std::size_t>(s)]) {
            facelets += Letter(colour);
        }
    }
    return facelets;
}

} // namespace

std::variant<std::vector<vision::SideReading>, std::vector<vision::PhotoError>>
ReadPhotos(const std::vector<std::string>& files, const PhotoReader& read) {
    std::vector<std::variant<vision::SideReading, vision::PhotoError>> results(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t n = next++; n < files.size(); n = next++) {
            results[n] = read(files[n]);
        }
    };
    {
        const std::size_t threads =
            std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, files.size());
        std::vector<std::jthread> workers;
        for (std::size_t t = 1; t < threads; ++t) {
            workers.emplace_back(work);
        }
        work();
    }
    std::vector<vision::SideReading> sides;
    std::vector<vision::PhotoError> errors;
    for (auto& result : results) {
        if (auto* side = std::get_if<vision::SideReading>(&result)) {
            sides.push_back(*side);
        } else {
            errors.push_back(std::get<vision::PhotoError>(std::move(result)));
        }
    }
    if (!errors.empty()) {
        return errors;
    }
    return sides;
}

std::string ScanReport(const vision::CubeReading& reading) {
    std::string report = FaceletsOf(reading.colors) + "\n";
    for (const vision::Doubt& doubt : reading.doubts) {
        report.append("doubtful ")
            .append(1, Letter(doubt.side))
            .append(std::to_string(doubt.square + 1))
            .append(1, ' ')
            .append(1, Letter(doubt.read))
            .append(1, ' ')
            .append(1, Letter(doubt.second))
            .append("\n");
    }
    for (const vision::SideColors& other : reading.alsoFits) {
        report.append("also ").append(FaceletsOf(other)).append("\n");
    }
    return report;
}

ExitStatus Run(const ScanCommand& command, std::ostream& out, std::ostream& err,
               const PhotoReader& read) {
    const auto photos = ReadPhotos(command.photos, read);
    if (const auto* errors = std::get_if<std::vector<vision::PhotoError>>(&photos)) {
        for (const vision::PhotoError& error : *errors) {
            err << Program << EscapeControlCharacters(error.message) << '\n';
        }
        return ExitStatus::BadInput;
    }
    const auto assembled = vision::AssembleCube(std::get<std::vector<vision::SideReading>>(photos),
                                                command.anyOrder ? vision::PhotoOrder::Any
                                                                 : vision::PhotoOrder::Fixed);
    if (const auto* error = std::get_if<vision::AssemblyError>(&assembled)) {
        err << Program << error->message << '\n';
        return ExitStatus::BadInput;
    }
    const auto& reading = std::get<vision::CubeReading>(assembled);
    out << ScanReport(reading);
    const std::vector<Finding> findings = Diagnose(reading.colors);
    if (!findings.empty()) {
        out << CheckReport(findings);
        return ExitStatus::InvalidCube;
    }
    return ExitStatus::Success;
}

} // namespace turnix::cli
