// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_decoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>
#include <QWaitCondition>

#include <algorithm>

namespace korvex {
namespace {

// Writers use a dozen scans or so for a progressive picture.
constexpr int kMaxJpegScans = 100;

// One worker for every document: pictures wait their turn rather than take
// the machine's cores from the window.
QThreadPool& decoderPool() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool; // never destroyed: it may be busy at exit
        p->setMaxThreadCount(1);
        p->setExpiryTimeout(2000);
        // A decode under way ends before the program does, rather than in
        // code that exit is unloading; one picture's decode is bounded.
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QObject::connect(app, &QCoreApplication::aboutToQuit, p, [p] {
                p->clear();
                p->waitForDone();
            });
        }
        return p;
    }();
    return *pool;
}

} // namespace

QSizeF PictureLayoutBudget::place(QSizeF wanted) {
    double w = std::max(1.0, wanted.width());
    double h = std::max(1.0, wanted.height());
    const double shrink = std::min({1.0, kMaxSide / w, kMaxSide / h});
    w = std::max(1.0, w * shrink);
    h = std::max(1.0, h * shrink);
    if (height_ + h > kMaxTotalHeight || area_ + w * h > kMaxTotalArea)
        return {};
    height_ += h;
    area_ += w * h;
    return {w, h};
}

bool jpegWorthDecoding(QByteArrayView jpeg) {
    auto byte = [&jpeg](qsizetype i) { return static_cast<unsigned char>(jpeg[i]); };
    int scans = 0;
    qsizetype i = 2; // past the start of image
    while (i + 1 < jpeg.size()) {
        if (byte(i) != 0xFF) {
            ++i;
            continue;
        }
        const unsigned char marker = byte(i + 1);
        if (marker == 0xFF || marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7) ||
            marker == 0x01) {
            ++i; // fill, stuffed byte, restart marker: no length follows
            continue;
        }
        if (marker == 0xD9)
            break;
        if (i + 3 >= jpeg.size())
            break;
        const qsizetype length = byte(i + 2) << 8 | byte(i + 3);
        if (marker == 0xDA && ++scans > kMaxJpegScans)
            return false;
        i += 2 + std::max<qsizetype>(length, 2);
    }
    return true;
}

struct PictureDecoder::Shared {
    QMutex mutex;
    QWaitCondition ready;
    std::vector<Finished> finished;
    bool abandoned = false;
};

PictureDecoder::PictureDecoder()
    : shared_(std::make_shared<Shared>()) {}

PictureDecoder::~PictureDecoder() {
    QMutexLocker lock(&shared_->mutex);
    shared_->abandoned = true;
}

void PictureDecoder::decode(int id, QByteArray data, const char* format) {
    ++pending_;
    decoderPool().start([shared = shared_, id, data = std::move(data), format]() mutable {
        {
            QMutexLocker lock(&shared->mutex);
            if (shared->abandoned)
                return;
        }
        QImage image;
        if (qstrcmp(format, "JPEG") != 0 || jpegWorthDecoding(data)) {
            QBuffer source(&data);
            source.open(QIODevice::ReadOnly);
            QImageReader reader(&source, format);
            image = reader.read();
            // In the form a pixmap takes as it is, so that handing it to the
            // window costs no conversion there.
            if (!image.isNull())
                image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
        }
        QMutexLocker lock(&shared->mutex);
        if (shared->abandoned)
            return;
        shared->finished.push_back({id, std::move(image)});
        shared->ready.wakeAll();
    });
}

std::vector<PictureDecoder::Finished> PictureDecoder::takeFinished(std::chrono::milliseconds wait) {
    std::vector<Finished> out;
    QMutexLocker lock(&shared_->mutex);
    if (shared_->finished.empty() && pending_ > 0 && wait.count() > 0)
        shared_->ready.wait(&shared_->mutex, QDeadlineTimer(wait));
    out.swap(shared_->finished);
    pending_ -= static_cast<int>(out.size());
    return out;
}

} // namespace korvex
