#pragma once

// Reads back what the converter wrote, through QPDF.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <memory>
#include <string>
#include <vector>

namespace quenra::img2pdf::test {

class PdfReader {
public:
    explicit PdfReader(const QString& path) {
        pdf_.processFile(QFile::encodeName(path).constData());
        pages_ = QPDFPageDocumentHelper(pdf_).getAllPages();
    }

    int PageCount() const { return static_cast<int>(pages_.size()); }

    // The page's MediaBox as [llx, lly, urx, ury].
    std::vector<double> MediaBox(int page) {
        std::vector<double> box;
        for (QPDFObjectHandle number :
             pages_.at(page).getObjectHandle().getKey("/MediaBox").getArrayAsVector()) {
            box.push_back(number.getNumericValue());
        }
        return box;
    }

    // The one image the page shows.
    QPDFObjectHandle Image(int page) {
        const auto images = pages_.at(page).getImages();
        return images.size() == 1 ? images.begin()->second : QPDFObjectHandle::newNull();
    }

    // The image's bytes exactly as stored in the file (no filter undone).
    QByteArray RawImageData(int page) {
        const std::shared_ptr<Buffer> data = Image(page).getRawStreamData();
        return QByteArray(reinterpret_cast<const char*>(data->getBuffer()),
                          static_cast<qsizetype>(data->getSize()));
    }

    int ImageWidth(int page) { return Image(page).getDict().getKey("/Width").getIntValueAsInt(); }

    QString Info(const char* key) {
        QPDFObjectHandle value = pdf_.getTrailer().getKey("/Info").getKey(key);
        return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
    }

    bool HasInfo(const char* key) { return pdf_.getTrailer().getKey("/Info").hasKey(key); }

    QPDF& Document() { return pdf_; }

private:
    QPDF pdf_;
    std::vector<QPDFPageObjectHelper> pages_;
};

} // namespace quenra::img2pdf::test
