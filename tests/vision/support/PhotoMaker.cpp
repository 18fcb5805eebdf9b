#include "PhotoMaker.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <random>
#include <vector>

namespace turnix::vision::photos {
namespace {

using Vec3 = cv::Vec3d;
constexpr double Edge = 3; // the cube's edge, in squares of a 3×3
constexpr double Degree = std::numbers::pi / 180;

// A face of the cube: its centre, which is also its outward normal, and its
// axes along a row and down a column as seen from outside. The first faces
// the camera before the cube is turned.
struct Face {
    Vec3 centre;
    Vec3 across;
    Vec3 down;
};
const std::array<Face, 6> Faces{{{{0, 0, -1.5}, {1, 0, 0}, {0, 1, 0}},
                                 {{0, 0, 1.5}, {-1, 0, 0}, {0, 1, 0}},
                                 {{-1.5, 0, 0}, {0, 0, 1}, {0, 1, 0}},
                                 {{1.5, 0, 0}, {0, 0, -1}, {0, 1, 0}},
                                 {{0, -1.5, 0}, {1, 0, 0}, {0, 0, 1}},
                                 {{0, 1.5, 0}, {1, 0, 0}, {0, 0, -1}}}};

cv::Matx33d Rotation(const Vec3& axis, double angle) {
    const Vec3 k = axis / cv::norm(axis);
    const cv::Matx33d cross(0, -k[2], k[1], k[2], 0, -k[0], -k[1], k[0], 0);
    return cv::Matx33d::eye() + std::sin(angle) * cross + (1 - std::cos(angle)) * cross * cross;
}

// A pinhole camera at the origin looking down +z, x right and y down.
struct View {
    cv::Matx33d rotation;
    Vec3 position; // of the cube's centre
    double focal{1};
    cv::Point2d principal;

    [[nodiscard]] Vec3 World(const Vec3& model) const { return rotation * model + position; }
    [[nodiscard]] cv::Point2d Project(const Vec3& model) const {
        const Vec3 p = World(model);
        return {focal * p[0] / p[2] + principal.x, focal * p[1] / p[2] + principal.y};
    }
    // A point of a face at (s, t) squares along and down it, each 0..3.
    [[nodiscard]] cv::Point2d OnFace(const Face& face, double s, double t) const {
        return Project(face.centre + (s - Edge / 2) * face.across + (t - Edge / 2) * face.down);
    }
};

View MakeView(const PhotoSettings& settings) {
    View view;
    view.focal = 0.9 * std::max(settings.width, settings.height);
    view.principal = {settings.width / 2.0, settings.height / 2.0};
    // The front face's centre goes on the ray through the asked-for point,
    // at the depth that gives it the asked-for width; the tilt is from
    // facing along that ray.
    const double depth =
        view.focal * Edge / (settings.size * std::min(settings.width, settings.height));
    const Vec3 onRay{(settings.centreX * settings.width - view.principal.x) / view.focal * depth,
                     (settings.centreY * settings.height - view.principal.y) / view.focal * depth,
                     depth};
    const Vec3 ray = onRay / cv::norm(onRay);
    const Vec3 forward{0, 0, 1};
    const Vec3 axis = forward.cross(ray);
    const cv::Matx33d facing =
        cv::norm(axis) < 1e-9 ? cv::Matx33d::eye()
                              : Rotation(axis, std::acos(std::clamp(forward.dot(ray), -1.0, 1.0)));
    const double tiltAxis = settings.tiltDirection * Degree;
    view.rotation = facing *
                    Rotation({std::cos(tiltAxis), std::sin(tiltAxis), 0}, settings.tilt * Degree) *
                    Rotation({0, 0, 1}, settings.turn * Degree);
    view.position = onRay - view.rotation * Faces[0].centre;
    return view;
}

cv::Scalar Bgr(const Rgb& c) {
    return {c.blue, c.green, c.red};
}

void FillPolygon(cv::Mat& image, const std::vector<cv::Point2d>& points, const cv::Scalar& color) {
    constexpr int Shift = 4; // sub-pixel bits
    std::vector<cv::Point> fixed;
    fixed.reserve(points.size());
    for (const auto& p : points)
        fixed.emplace_back(cvRound(p.x * (1 << Shift)), cvRound(p.y * (1 << Shift)));
    cv::fillPoly(image, std::vector{fixed}, color, cv::LINE_AA, Shift);
}

// A rounded square's outline, in face squares.
std::vector<cv::Point2d> RoundedSquare(cv::Point2d centre, double half, double radius) {
    std::vector<cv::Point2d> outline;
    const std::array<cv::Point2d, 4> Signs{{{1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};
    for (std::size_t corner = 0; corner < 4; ++corner) {
        const cv::Point2d arcCentre = centre + (half - radius) * Signs[corner];
        for (int step = 0; step <= 5; ++step) {
            const double a = (static_cast<double>(corner) * 90 + step * 18) * Degree;
            outline.push_back(arcCentre + radius * cv::Point2d(std::cos(a), std::sin(a)));
        }
    }
    return outline;
}

class Painter {
public:
    Painter(const PhotoSettings& settings, const View& view)
        : settings_(settings), view_(view), random_(settings.seed),
          image_(settings.height, settings.width, CV_8UC3) {}

    cv::Mat Paint(const std::array<Rgb, 9>& front) {
        DrawBackground();
        if (settings_.layers > 0)
            DrawCube(front);
        return image_;
    }

    std::mt19937& Random() { return random_; }

private:
    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    Rgb AnyCubeColor() {
        return CubeColors[std::uniform_int_distribution<std::size_t>(0, 5)(random_)];
    }

    void DrawBackground() {
        const double grey = Uniform(40, 210);
        image_.setTo(cv::Scalar(grey * Uniform(0.8, 1.2), grey, grey * Uniform(0.8, 1.2)));
        const double shortEdge = std::min(settings_.width, settings_.height);
        for (int i = 0; i < settings_.clutter; ++i) {
            const cv::Point2d centre(Uniform(0, settings_.width), Uniform(0, settings_.height));
            const double size = Uniform(0.03, 0.25) * shortEdge;
            const double g = Uniform(20, 235);
            const cv::Scalar color =
                Uniform(0, 1) < 0.5 ? Bgr(AnyCubeColor()) : cv::Scalar(g, g, g);
            DrawShape(std::uniform_int_distribution<>(0, 3)(random_), centre, size, color);
        }
    }

    void DrawShape(int kind, cv::Point2d centre, double size, const cv::Scalar& color) {
        const double angle = Uniform(0, 360);
        if (kind == 0 || kind == 1) { // a square, or a bar
            const double aspect = kind == 0 ? 1.0 : Uniform(0.2, 0.6);
            std::array<cv::Point2f, 4> corners;
            cv::RotatedRect(centre, cv::Size2d(size, size * aspect), static_cast<float>(angle))
                .points(corners.data());
            FillPolygon(image_, {corners.begin(), corners.end()}, color);
        } else if (kind == 2) {
            cv::circle(image_, centre, cvRound(size / 2), color, cv::FILLED, cv::LINE_AA);
        } else {
            std::vector<cv::Point2d> triangle;
            for (int k = 0; k < 3; ++k) {
                const double a = (angle + 120 * k) * Degree;
                triangle.push_back(centre + size / 2 * cv::Point2d(std::cos(a), std::sin(a)));
            }
            FillPolygon(image_, triangle, color);
        }
    }

    [[nodiscard]] bool FacesCamera(const Face& face) const {
        return view_.World(face.centre).dot(view_.rotation * face.centre) < 0;
    }

    void DrawCube(const std::array<Rgb, 9>& front) {
        const double body = Uniform(12, 40);
        const double fill = Uniform(0.84, 0.92);
        const double round = Uniform(0.06, 0.2);
        for (std::size_t f = 0; f < Faces.size(); ++f) {
            const Face& face = Faces[f];
            if (!FacesCamera(face))
                continue;
            // Sides turned away from the camera catch less light.
            const double shade = f == 0 ? 1.0 : Uniform(0.55, 0.85);
            if (settings_.body == Body::BlackWithStickers)
                FillPolygon(image_, FaceOutline(face), cv::Scalar(body, body, body));
            const int n = settings_.layers;
            const double cell = Edge / n;
            for (int row = 0; row < n; ++row) {
                for (int col = 0; col < n; ++col) {
                    const Rgb c = f == 0 && n == 3 ? front[static_cast<std::size_t>(row) * 3 +
                                                           static_cast<std::size_t>(col)]
                                                   : AnyCubeColor();
                    const cv::Point2d centre((col + 0.5) * cell, (row + 0.5) * cell);
                    // Stickerless squares overlap a little, so that one colour
                    // beside itself leaves no seam.
                    const auto outline = settings_.body == Body::BlackWithStickers
                                             ? RoundedSquare(centre, fill * cell / 2, round * cell)
                                             : RoundedSquare(centre, 0.51 * cell, 0);
                    FillPolygon(image_, Projected(face, outline), Bgr(c) * shade);
                }
            }
        }
    }

    [[nodiscard]] std::vector<cv::Point2d> FaceOutline(const Face& face) const {
        return Projected(face, {{0, 0}, {Edge, 0}, {Edge, Edge}, {0, Edge}});
    }

    [[nodiscard]] std::vector<cv::Point2d> Projected(const Face& face,
                                                     const std::vector<cv::Point2d>& points) const {
        std::vector<cv::Point2d> out;
        out.reserve(points.size());
        for (const auto& p : points)
            out.push_back(view_.OnFace(face, p.x, p.y));
        return out;
    }

    const PhotoSettings& settings_;
    const View& view_;
    std::mt19937 random_;
    cv::Mat image_;
};

// Where the reader's grid point (u, v) lies on the front face, with the face
// turned by quarter turns so that the reader's rows lie nearest to level.
struct ReaderOrder {
    int quarters{0};
    [[nodiscard]] cv::Point2d OnFace(double u, double v) const {
        switch (quarters) {
        case 1:
            return {Edge - v, u};
        case 2:
            return {Edge - u, Edge - v};
        case 3:
            return {v, Edge - u};
        default:
            return {u, v};
        }
    }
};

ReaderOrder FindReaderOrder(const View& view) {
    for (int q = 0; q < 4; ++q) {
        const ReaderOrder order{q};
        const cv::Point2d a = order.OnFace(0.5, 1.5);
        const cv::Point2d b = order.OnFace(2.5, 1.5);
        const cv::Point2d d = view.OnFace(Faces[0], b.x, b.y) - view.OnFace(Faces[0], a.x, a.y);
        if (d.x > 0 && std::abs(d.y) <= d.x)
            return order;
    }
    return {};
}

// The centre of a square numbered row by row, in face squares.
cv::Point2d SquareCentre(std::size_t square) {
    const std::size_t row = square / 3;
    return {static_cast<double>(square % 3) + 0.5, static_cast<double>(row) + 0.5};
}

// Light falling off across the photo in one direction, tinted by the cast.
struct Light {
    cv::Point2d direction;
    double low{0};
    double range{1};
    double gradient{0};
    Rgb cast;

    [[nodiscard]] double Level(double x, double y) const {
        return 1 - gradient * ((x * direction.x + y * direction.y - low) / range);
    }
};

Light MakeLight(const PhotoSettings& settings, std::mt19937& random) {
    const double a = std::uniform_real_distribution<double>(0, 2 * std::numbers::pi)(random);
    Light light{{std::cos(a), std::sin(a)}, 0, 1, settings.gradient, settings.cast};
    const std::array<double, 4> ends{
        0, light.direction.x * settings.width, light.direction.y * settings.height,
        light.direction.x * settings.width + light.direction.y * settings.height};
    light.low = *std::min_element(ends.begin(), ends.end());
    light.range = std::max(1.0, *std::max_element(ends.begin(), ends.end()) - light.low);
    return light;
}

// With OpenCV's own loops: the tests run under the sanitizers too.
void ApplyLight(cv::Mat& image, const Light& light) {
    cv::Mat level(image.size(), CV_32F);
    for (int y = 0; y < image.rows; ++y) {
        // Linear along the row: the first two pixels give the rest.
        const auto first = static_cast<float>(light.Level(0, y));
        const auto step = static_cast<float>(light.Level(1, y)) - first;
        auto* row = level.ptr<float>(y);
        for (int x = 0; x < image.cols; ++x)
            row[x] = first + step * static_cast<float>(x);
    }
    cv::Mat lit;
    image.convertTo(lit, CV_32FC3);
    cv::Mat level3;
    cv::merge(std::vector{level, level, level}, level3);
    cv::multiply(lit, level3, lit);
    cv::multiply(lit, cv::Scalar(light.cast.blue, light.cast.green, light.cast.red), lit);
    lit.convertTo(image, CV_8UC3);
}

Rgb Seen(const Rgb& c, const Light& light, cv::Point2d at) {
    const double level = light.Level(at.x, at.y);
    auto channel = [&](double v, double gain) {
        return static_cast<float>(std::clamp(v * level * gain, 0.0, 255.0));
    };
    return {channel(c.red, light.cast.red), channel(c.green, light.cast.green),
            channel(c.blue, light.cast.blue)};
}

void DrawGlare(cv::Mat& image, cv::Point2d centre, double pitch, std::mt19937& random) {
    std::uniform_real_distribution<double> u(-1, 1);
    const cv::Point2d at = centre + 0.12 * pitch * cv::Point2d(u(random), u(random));
    const cv::Size2f size(static_cast<float>(0.24 * pitch * (1.2 + 0.4 * u(random))),
                          static_cast<float>(0.16 * pitch));
    cv::ellipse(image, cv::RotatedRect(at, size, static_cast<float>(90 * u(random))),
                cv::Scalar(250, 250, 250), cv::FILLED, cv::LINE_AA);
}

void Degrade(cv::Mat& image, const PhotoSettings& settings) {
    if (settings.blur > 0)
        cv::GaussianBlur(image, image, cv::Size(), settings.blur);
    if (settings.noise > 0) {
        cv::Mat noise(image.size(), CV_16SC3);
        cv::RNG(settings.seed).fill(noise, cv::RNG::NORMAL, 0, settings.noise);
        cv::Mat wide;
        image.convertTo(wide, CV_16SC3);
        wide += noise;
        wide.convertTo(image, CV_8UC3);
    }
    if (settings.jpegQuality > 0) {
        std::vector<std::uint8_t> jpeg;
        cv::imencode(".jpg", image, jpeg, {cv::IMWRITE_JPEG_QUALITY, settings.jpegQuality});
        image = cv::imdecode(jpeg, cv::IMREAD_COLOR);
    }
}

} // namespace

Photo MakePhoto(const PhotoSettings& settings) {
    const View view = MakeView(settings);
    Painter painter(settings, view);
    Photo photo;
    photo.image = painter.Paint(settings.colors);
    auto& random = painter.Random();
    const Light light = MakeLight(settings, random);
    ApplyLight(photo.image, light);

    const ReaderOrder order = FindReaderOrder(view);
    const std::array<cv::Point2d, 4> GridCorners{{{0, 0}, {Edge, 0}, {Edge, Edge}, {0, Edge}}};
    for (std::size_t k = 0; k < 4; ++k) {
        const cv::Point2d s = order.OnFace(GridCorners[k].x, GridCorners[k].y);
        const cv::Point2d p = view.OnFace(Faces[0], s.x, s.y);
        photo.corners[k] = {static_cast<float>(p.x), static_cast<float>(p.y)};
    }
    std::vector<std::size_t> squares(9);
    for (std::size_t q = 0; q < 9; ++q) {
        const cv::Point2d s = order.OnFace(SquareCentre(q).x, SquareCentre(q).y);
        squares[q] = static_cast<std::size_t>(std::floor(s.y)) * 3 +
                     static_cast<std::size_t>(std::floor(s.x));
        const cv::Point2d centre = view.OnFace(Faces[0], s.x, s.y);
        photo.colors[q] = settings.colors[squares[q]];
        photo.seen[q] = Seen(photo.colors[q], light, centre);
    }
    if (settings.layers == 3) {
        const double pitch =
            cv::norm(view.OnFace(Faces[0], 1.5, 1.5) - view.OnFace(Faces[0], 2.5, 1.5));
        std::shuffle(squares.begin(), squares.end(), random);
        for (int g = 0; g < std::min(settings.glare, 9); ++g) {
            const cv::Point2d square = SquareCentre(squares[static_cast<std::size_t>(g)]);
            const cv::Point2d centre = view.OnFace(Faces[0], square.x, square.y);
            DrawGlare(photo.image, centre, pitch, random);
        }
    }
    Degrade(photo.image, settings);
    return photo;
}

PhotoSettings RandomSettings(std::uint32_t seed, int width, int height) {
    std::mt19937 random(seed);
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    auto integer = [&](int low, int high) {
        return std::uniform_int_distribution<>(low, high)(random);
    };
    PhotoSettings settings;
    settings.width = width;
    settings.height = height;
    settings.seed = seed;
    for (auto& c : settings.colors) {
        c = CubeColors[static_cast<std::size_t>(integer(0, 5))];
        auto jitter = [&](float v) {
            return std::clamp(v + static_cast<float>(uniform(-12, 12)), 0.0F, 255.0F);
        };
        c = {jitter(c.red), jitter(c.green), jitter(c.blue)};
    }
    settings.body = uniform(0, 1) < 0.25 ? Body::Stickerless : Body::BlackWithStickers;
    do {
        settings.turn = uniform(0, 360);
    } while (std::abs(std::fmod(settings.turn, 90.0) - 45) < 6);
    settings.tilt = uniform(0, 30);
    settings.tiltDirection = uniform(0, 360);
    settings.size = uniform(0.3, 0.6);
    // Anywhere the whole side stays in the photo, a little off its edges;
    // in the middle when nowhere else will do.
    const double shortEdge = std::min(width, height);
    const cv::Rect2d inside(0.02 * width, 0.02 * height, 0.96 * width, 0.96 * height);
    for (int attempt = 0;; ++attempt) {
        settings.centreX = attempt < 20 ? uniform(0.2, 0.8) : 0.5;
        settings.centreY = attempt < 20 ? uniform(0.2, 0.8) : 0.5;
        const View view = MakeView(settings);
        const std::array<cv::Point2d, 4> corners{
            view.OnFace(Faces[0], 0, 0), view.OnFace(Faces[0], Edge, 0),
            view.OnFace(Faces[0], Edge, Edge), view.OnFace(Faces[0], 0, Edge)};
        if (attempt >= 20 || std::all_of(corners.begin(), corners.end(),
                                         [&](const cv::Point2d& c) { return inside.contains(c); }))
            break;
    }
    settings.clutter = integer(0, 20);
    settings.glare = integer(0, 2);
    settings.gradient = uniform(0, 0.5);
    // Dim rooms as well as daylight, each with a tint.
    const double exposure = uniform(0.4, 1.1);
    auto gain = [&] {
        return static_cast<float>(exposure * uniform(0.85, 1.15));
    };
    settings.cast = {gain(), gain(), gain()};
    settings.noise = uniform(0, 6);
    settings.blur = uniform(0, 1.2) * shortEdge / 480;
    settings.jpegQuality = uniform(0, 1) < 0.5 ? 0 : integer(55, 95);
    return settings;
}

} // namespace turnix::vision::photos
