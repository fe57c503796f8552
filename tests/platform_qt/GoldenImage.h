#pragma once

// Pictures compared with those kept under tests/data/golden. Fonts differ
// slightly between machines, so pictures are compared with a tolerance;
// QB_UPDATE_GOLDEN=1 writes them anew.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdlib>
#include "TestPaths.h"

namespace qb::golden {

// A channel may differ by this much before a pixel counts as different.
inline constexpr int kChannelTolerance = 48;
inline constexpr double kRequiredShare = 0.99;

inline QString GoldenPath(const char* name) {
    return QDir(QString::fromStdString(qb::test::SourcePath("tests/data/golden")))
        .filePath(QString::fromUtf8(name));
}

inline double ShareOfMatchingPixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return 0.0;
    }
    long matching = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (std::abs(qRed(a) - qRed(e)) <= kChannelTolerance &&
                std::abs(qGreen(a) - qGreen(e)) <= kChannelTolerance &&
                std::abs(qBlue(a) - qBlue(e)) <= kChannelTolerance) {
                ++matching;
            }
        }
    }
    return static_cast<double>(matching) / (static_cast<double>(actual.width()) * actual.height());
}

inline void ExpectMatchesGolden(const QImage& actual, const char* name) {
    ASSERT_FALSE(actual.isNull());
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIntValue("QB_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(actual.save(path, "PNG")) << path.toStdString();
        GTEST_SKIP() << "wrote " << path.toStdString();
    }
    const QImage expected(path);
    ASSERT_FALSE(expected.isNull())
        << "missing " << path.toStdString() << "; run with QB_UPDATE_GOLDEN=1 to write it";
    EXPECT_GE(ShareOfMatchingPixels(actual.convertToFormat(QImage::Format_RGB32),
                                    expected.convertToFormat(QImage::Format_RGB32)),
              kRequiredShare);
}

}  // namespace qb::golden
