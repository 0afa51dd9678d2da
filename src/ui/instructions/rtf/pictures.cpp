// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "units.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace korvex::rtf {
namespace {

constexpr qsizetype kMaxPictureBytes = qsizetype{32} * 1024 * 1024;
// Decoded pixels of all pictures together, counted at 4 bytes each from the
// size in the picture's header; a picture that would pass it is shown as a
// placeholder of its size.
constexpr qint64 kMaxDecodedPictureBytes = qint64{64} * 1024 * 1024;

QImage placeholderBox() {
    // A flat pale box, stretched to each picture's place: a frame would
    // stretch with it.
    QImage box(8, 8, QImage::Format_RGB32);
    box.fill(QColor(0xD8, 0xD8, 0xD8));
    return box;
}

QString pictureName(int id) {
    return QStringLiteral("rtf-picture:%1").arg(id);
}

} // namespace

void Pictures::word(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "pngblip")
        picture_.kind = Picture::Png;
    else if (w == "jpegblip")
        picture_.kind = Picture::Jpeg;
    else if (w == "picwgoal")
        picture_.goalW = std::clamp(word.param, 0, kMaxTwips);
    else if (w == "pichgoal")
        picture_.goalH = std::clamp(word.param, 0, kMaxTwips);
    else if (w == "picscalex")
        picture_.scaleX = std::clamp(word.param, 1, 1000);
    else if (w == "picscaley")
        picture_.scaleY = std::clamp(word.param, 1, 1000);
}

void Pictures::hexDigit(unsigned char c) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    if (v < 0 || picture_.data.size() >= kMaxPictureBytes)
        return;
    if (picture_.highNibble < 0) {
        picture_.highNibble = v;
    } else {
        picture_.data.append(static_cast<char>(picture_.highNibble << 4 | v));
        picture_.highNibble = -1;
    }
}

void Pictures::binary(QByteArrayView data) {
    const qsizetype room = std::max<qsizetype>(0, kMaxPictureBytes - picture_.data.size());
    picture_.data.append(data.first(std::min(data.size(), room)).toByteArray());
}

Picture Pictures::take() {
    Picture pic = std::move(picture_);
    picture_ = Picture{};
    return pic;
}

std::optional<QTextImageFormat> Pictures::place(Picture pic) {
    // Only the header is read here, for the decoded size; the pixels are
    // decoded on a worker, and only while the document's pictures stay within
    // their budget.
    const char* format = pic.kind == Picture::Png ? "PNG" : "JPEG";
    QBuffer source(&pic.data);
    source.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&source, format).size();
    source.close();
    if (size.isEmpty())
        return std::nullopt;
    const double w = pic.goalW > 0 ? pic.goalW / kTwipsPerPixel : size.width();
    const double h = pic.goalH > 0 ? pic.goalH / kTwipsPerPixel : size.height();
    const QSizeF shown = layout_.place({w * pic.scaleX / 100.0, h * pic.scaleY / 100.0});
    if (shown.isEmpty()) {
        ++result_.leftOut;
        return std::nullopt;
    }
    QTextImageFormat f;
    const qint64 cost = qint64(size.width()) * size.height() * 4;
    if (cost <= kMaxDecodedPictureBytes - decodedBytes_) {
        decodedBytes_ += cost;
        const int id = ++sent_;
        // A box holds the place until the pixels come.
        doc_.addResource(QTextDocument::ImageResource, QUrl(pictureName(id)), placeholderBox());
        pending_.insert(id);
        decoder_.decode(id, std::move(pic.data), format);
        f.setName(pictureName(id));
    } else {
        f.setName(placeholderName());
        ++result_.placeholders;
    }
    f.setWidth(shown.width());
    f.setHeight(shown.height());
    return f;
}

bool Pictures::collect(std::chrono::milliseconds wait) {
    bool repaint = false;
    for (PictureDecoder::Finished& done : decoder_.takeFinished(wait)) {
        if (pending_.erase(done.id) == 0)
            continue;
        if (done.image.isNull()) {
            ++result_.placeholders; // its box stays
            continue;
        }
        // As a pixmap: a view paints an image resource by converting all of
        // it to a pixmap on every paint, seconds for a large picture.
        doc_.addResource(QTextDocument::ImageResource, QUrl(pictureName(done.id)),
                         QPixmap::fromImage(std::move(done.image)));
        ++result_.images;
        repaint = true;
    }
    // Its place and size are what they were: a view need only paint again,
    // not lay out. A document not on show has no layout to tell.
    if (repaint) {
        if (auto* layout =
                doc_.findChild<QAbstractTextDocumentLayout*>(QString(), Qt::FindDirectChildrenOnly))
            emit layout->update();
    }
    return pending_.empty();
}

QString Pictures::placeholderName() {
    QString name = QStringLiteral("rtf-picture:placeholder");
    if (!placeholderAdded_) {
        doc_.addResource(QTextDocument::ImageResource, QUrl(name), placeholderBox());
        placeholderAdded_ = true;
    }
    return name;
}

} // namespace korvex::rtf
