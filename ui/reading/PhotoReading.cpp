#include "PhotoReading.h"

#include "SidePhoto.h"
#include "language/CoreTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <future>

namespace turnix {

namespace {

struct PhotoReadingWords {
    Q_DECLARE_TR_FUNCTIONS(turnix::PhotoReadingWords)
};

} // namespace

PhotoOutcome ReadPhotos(const QStringList& files) {
    if (files.size() != PhotoCount) {
        return {std::nullopt,
                {files.size() == 1
                     ? PhotoReadingWords::tr(
                           "Choose six photos, one of each side of the cube; 1 was chosen.")
                     : PhotoReadingWords::tr(
                           "Choose six photos, one of each side of the cube; %1 were chosen.")
                           .arg(files.size())}};
    }
    std::vector<std::future<std::variant<vision::SideReading, vision::PhotoError>>> readings;
    for (const QString& file : files) {
        const std::filesystem::path path(QFile::encodeName(file).toStdString());
        readings.push_back(
            std::async(std::launch::async, [path] { return vision::ReadSidePhoto(path); }));
    }
    std::vector<vision::SideReading> sides;
    QStringList problems;
    for (auto& reading : readings) {
        const auto read = reading.get();
        if (const auto* side = std::get_if<vision::SideReading>(&read)) {
            sides.push_back(*side);
        } else {
            problems << CoreReason(
                QString::fromStdString(std::get<vision::PhotoError>(read).message));
        }
    }
    if (!problems.isEmpty()) {
        return {std::nullopt, problems};
    }
    return AssembleSides(sides);
}

PhotoOutcome AssembleSides(const std::vector<vision::SideReading>& sides) {
    auto assembled = vision::AssembleCube(sides, vision::PhotoOrder::Any);
    if (auto* reading = std::get_if<vision::CubeReading>(&assembled)) {
        return {std::move(*reading), {}};
    }
    return {
        std::nullopt,
        {CoreReason(QString::fromStdString(std::get<vision::AssemblyError>(assembled).message))}};
}

} // namespace turnix
