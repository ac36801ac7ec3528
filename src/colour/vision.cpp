#include "colour/vision.h"

namespace {

using Matrix = double[3][3];

constexpr Matrix kProtanopia = {{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}};
constexpr Matrix kDeuteranopia = {{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}};
constexpr Matrix kTritanopia = {{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}};

const Matrix* MatrixOf(Vision vision) {
    switch (vision) {
    case Vision::Protanopia:
        return &kProtanopia;
    case Vision::Deuteranopia:
        return &kDeuteranopia;
    case Vision::Tritanopia:
        return &kTritanopia;
    case Vision::Normal:
        break;
    }
    return nullptr;
}

} // namespace

LinearRgb SimulateLinear(const LinearRgb& c, Vision vision) {
    const Matrix* matrix = MatrixOf(vision);
    if (matrix == nullptr) {
        return c;
    }
    const auto& m = *matrix;
    return {m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b,
            m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b,
            m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b};
}

COLORREF SimulateVision(COLORREF colour, Vision vision) {
    if (vision == Vision::Normal) {
        return colour;
    }
    return FromLinear(SimulateLinear(ToLinear(colour), vision));
}

const char* VisionName(Vision vision) {
    switch (vision) {
    case Vision::Protanopia:
        return "protanopia";
    case Vision::Deuteranopia:
        return "deuteranopia";
    case Vision::Tritanopia:
        return "tritanopia";
    case Vision::Normal:
        break;
    }
    return "normal";
}

std::optional<Vision> VisionFromName(std::string_view name) {
    for (Vision vision : kVisions) {
        if (name == VisionName(vision)) {
            return vision;
        }
    }
    return std::nullopt;
}
