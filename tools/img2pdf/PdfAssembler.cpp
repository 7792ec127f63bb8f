#include "PdfAssembler.h"

#include "ConverterMessages.h"
#include "SaveFilePipeline.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <exception>

namespace quenra::img2pdf {
namespace {

constexpr int kDecimals = 4; // a ten-thousandth of a point is far below any printer's step
const char* const kProducer = "Img2PDF";
const char* const kImageName = "/Im1";

// QPDF opens files by their name as bytes: the local encoding, or UTF-8 on Windows.
std::string FileNameForQpdf(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QPDFObjectHandle Name(const char* name) {
    return QPDFObjectHandle::newName(name);
}

QPDFObjectHandle ColourSpaceName(JpegHeader::ColourSpace colourSpace) {
    switch (colourSpace) {
    case JpegHeader::ColourSpace::Gray:
        return Name("/DeviceGray");
    case JpegHeader::ColourSpace::Cmyk:
        return Name("/DeviceCMYK");
    case JpegHeader::ColourSpace::Rgb:
        break;
    }
    return Name("/DeviceRGB");
}

// The JPEG bytes as an image XObject; DCTDecode tells every reader to decode them itself,
// so they are stored as they are, never decoded and encoded again.
QPDFObjectHandle ImageXObject(QPDF& pdf, const PageImage& image) {
    QPDFObjectHandle stream = pdf.newStream();
    // Handed over while the file is written, without a copy of its own: the bytes are
    // copied often enough on their way into the file as it is.
    const QByteArray jpeg = image.jpeg;
    stream.replaceStreamData(
        [jpeg](Pipeline* pipeline) {
            pipeline->write(reinterpret_cast<const unsigned char*>(jpeg.constData()),
                            static_cast<size_t>(jpeg.size()));
        },
        Name("/DCTDecode"), QPDFObjectHandle::newNull());
    // Already compressed, and not decoded by the writer: without this it would hand the data
    // over twice, once to find out that it cannot filter it.
    stream.setFilterOnWrite(false);
    QPDFObjectHandle dictionary = stream.getDict();
    dictionary.replaceKey("/Type", Name("/XObject"));
    dictionary.replaceKey("/Subtype", Name("/Image"));
    dictionary.replaceKey("/Width", QPDFObjectHandle::newInteger(image.header.width));
    dictionary.replaceKey("/Height", QPDFObjectHandle::newInteger(image.header.height));
    dictionary.replaceKey("/ColorSpace", ColourSpaceName(image.header.colourSpace));
    dictionary.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    if (image.header.invertedCmyk) {
        dictionary.replaceKey("/Decode", QPDFObjectHandle::parse("[1 0 1 0 1 0 1 0]"));
    }
    return stream;
}

// A page exactly the size of its image, which fills it.
QPDFObjectHandle PageObject(QPDF& pdf, const PageImage& image, double pointsPerPixel) {
    const double width = image.header.width * pointsPerPixel;
    const double height = image.header.height * pointsPerPixel;
    const std::string widthText = QUtil::double_to_string(width, kDecimals);
    const std::string heightText = QUtil::double_to_string(height, kDecimals);
    const std::string content =
        "q " + widthText + " 0 0 " + heightText + " 0 0 cm " + kImageName + " Do Q\n";

    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", Name("/Page"));
    page.replaceKey("/MediaBox",
                    QPDFObjectHandle::newArray({QPDFObjectHandle::newInteger(0),
                                                QPDFObjectHandle::newInteger(0),
                                                QPDFObjectHandle::newReal(width, kDecimals),
                                                QPDFObjectHandle::newReal(height, kDecimals)}));
    page.replaceKey("/Resources",
                    QPDFObjectHandle::newDictionary(
                        {{"/XObject", QPDFObjectHandle::newDictionary(
                                          {{kImageName, ImageXObject(pdf, image)}})}}));
    page.replaceKey("/Contents", pdf.newStream(content));
    return pdf.makeIndirectObject(page);
}

void AddPages(QPDF& pdf, const std::vector<PageImage>& pages, const ConverterOptions& options) {
    QPDFPageDocumentHelper document(pdf);
    const std::vector<QPDFPageObjectHelper> existing = document.getAllPages();
    const bool before = options.existingPages == ExistingPages::InsertBefore && !existing.empty();
    for (const PageImage& image : pages) {
        const QPDFPageObjectHelper page(
            PageObject(pdf, image, PdfAssembler::PointsPerPixel(image.header, options)));
        if (before) {
            // Each new page goes just before the old first page, so the new ones keep their
            // own order.
            document.addPageAt(page, true, existing.front());
        } else {
            document.addPage(page, false);
        }
    }
}

void SetDocumentInfo(QPDF& pdf, const ConverterOptions& options, bool newDocument) {
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    const auto set = [&info](const char* key, const std::optional<QString>& value) {
        if (value) {
            info.replaceKey(key, QPDFObjectHandle::newUnicodeString(value->toStdString()));
        }
    };
    set("/Author", options.author);
    set("/Subject", options.subject);
    set("/Title", options.title);
    const std::string now = QUtil::qpdf_time_to_pdf_time(QUtil::get_current_qpdf_time());
    if (newDocument) {
        info.replaceKey("/Producer", QPDFObjectHandle::newUnicodeString(kProducer));
        info.replaceKey("/CreationDate", QPDFObjectHandle::newString(now));
    }
    info.replaceKey("/ModDate", QPDFObjectHandle::newString(now));
}

QString Reason(const std::exception& exception) {
    return QString::fromStdString(exception.what());
}

QString FirstWarning(QPDF& pdf) {
    const std::vector<QPDFExc> warnings = pdf.getWarnings();
    return warnings.empty() ? QString() : QString::fromStdString(warnings.front().what());
}

// An object the file refers to but does not hold: it reads as null, yet keeps the number it
// was referred to by.
bool IsMissingObject(QPDFObjectHandle object) {
    return object.isNull() && object.getObjectID() != 0;
}

// A content stream reads when its data is there and unpacks (content streams are small).
bool ContentReads(QPDFObjectHandle stream) {
    if (!stream.isStream()) {
        return false;
    }
    Pl_Discard discard;
    return stream.pipeStreamData(&discard, nullptr, 0, qpdf_dl_generalized);
}

// Whether the page's content streams and the XObjects it draws are all there and its content
// reads. A page without content at all is a blank page, which reads.
bool PageReads(QPDFPageObjectHelper& page) {
    QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
    if (IsMissingObject(contents)) {
        return false;
    }
    if (contents.isArray()) {
        for (QPDFObjectHandle part : contents.aitems()) {
            if (!ContentReads(part)) {
                return false;
            }
        }
    } else if (!contents.isNull() && !ContentReads(contents)) {
        return false;
    }
    QPDFObjectHandle resources = page.getAttribute("/Resources", false);
    if (IsMissingObject(resources)) {
        return false;
    }
    QPDFObjectHandle xobjects =
        resources.isDictionary() ? resources.getKey("/XObject") : QPDFObjectHandle::newNull();
    if (IsMissingObject(xobjects)) {
        return false;
    }
    if (xobjects.isDictionary()) {
        for (auto [name, xobject] : xobjects.ditems()) {
            if (!xobject.isStream()) {
                return false;
            }
        }
    }
    return true;
}

// Why the pages of an existing file cannot all be carried into the new one, or an empty text
// when they can. Files made by other tools often draw warnings from QPDF about their
// cross-reference data (the object count of a merged file, for one) though every page reads:
// those are taken as they are. A page whose objects are missing or unreadable, or a file that
// holds another number of pages than it says, is refused, since the rewritten file would lose
// content.
QString UnreadablePages(QPDF& pdf, int* pageCount) {
    pdf.getWarnings(); // those of opening the file: its cross-reference data was mended
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    *pageCount = static_cast<int>(pages.size());
    if (pdf.anyWarnings()) {
        return messages::PageTreeUnreadable(FirstWarning(pdf));
    }
    QPDFObjectHandle stated = pdf.getRoot().getKey("/Pages").getKey("/Count");
    if (!stated.isInteger() || stated.getIntValue() != static_cast<long long>(pages.size())) {
        return messages::PageCountDiffers(stated.isInteger() ? QString::number(stated.getIntValue())
                                                             : QStringLiteral("no number"),
                                          *pageCount);
    }
    for (std::size_t at = 0; at < pages.size(); ++at) {
        const bool reads = PageReads(pages[at]);
        if (!reads || pdf.anyWarnings()) {
            return messages::PageUnreadable(static_cast<int>(at + 1), FirstWarning(pdf));
        }
    }
    return QString();
}

} // namespace

PdfAssembler::PdfAssembler(const ConverterOptions& options) : options_(options) {}

double PdfAssembler::PointsPerPixel(const JpegHeader& header, const ConverterOptions& options) {
    const double stated = header.dotsPerInch > 0 ? header.dotsPerInch : kPointsPerInch;
    return kPointsPerInch / options.pixelsPerInch.value_or(stated);
}

bool PdfAssembler::Write(const std::vector<PageImage>& pages, int* oldPages, QString* error) {
    const QString& output = options_.outputPath;
    // With no file to add to, -p makes a new one: there are no old pages to keep.
    const bool keepOldPages =
        options_.existingPages != ExistingPages::Replace && QFileInfo::exists(output);

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = messages::CannotWritePdf(output, file.errorString());
        return false;
    }

    QString failure;
    {
        // Ends before the rename: the old file is read while the new one is written, and on
        // some systems a file that is still open cannot be replaced.
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        try {
            if (keepOldPages) {
                pdf.processFile(FileNameForQpdf(output).c_str());
            } else {
                pdf.emptyPDF();
            }
        } catch (const std::exception& exception) {
            failure = messages::CannotReadExistingPdf(output, Reason(exception));
        }
        if (failure.isEmpty() && keepOldPages) {
            try {
                const QString unreadable = UnreadablePages(pdf, oldPages);
                if (!unreadable.isEmpty()) {
                    failure = messages::DamagedExistingPdf(output, unreadable);
                }
            } catch (const std::exception& exception) {
                failure = messages::DamagedExistingPdf(output, Reason(exception));
            }
        }

        if (failure.isEmpty()) {
            try {
                AddPages(pdf, pages, options_);
                SetDocumentInfo(pdf, options_, !keepOldPages);
                SaveFilePipeline pipeline(&file);
                QPDFWriter writer(pdf);
                writer.setOutputPipeline(&pipeline);
                writer.write();
                // Copying the old pages reads every stream they hold; a stream QPDF had to
                // mend on the way may come out other than it is in the file, so the file is
                // not replaced.
                if (keepOldPages && pdf.anyWarnings()) {
                    failure = messages::DamagedExistingPdf(
                        output, QString::fromStdString(pdf.getWarnings().front().what()));
                }
            } catch (const QPDFExc& exception) {
                failure = keepOldPages ? messages::DamagedExistingPdf(output, Reason(exception))
                                       : messages::CannotWritePdf(output, Reason(exception));
            } catch (const std::exception& exception) {
                failure = messages::CannotWritePdf(output, Reason(exception));
            }
        }
    }

    if (!failure.isEmpty()) {
        file.cancelWriting();
        *error = failure;
        return false;
    }
    if (!file.commit()) {
        *error = messages::CannotWritePdf(output, file.errorString());
        return false;
    }
    return true;
}

std::optional<int> PdfAssembler::PagesInFile(const QString& path, QString* error) {
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(FileNameForQpdf(path).c_str());
        return static_cast<int>(QPDFPageDocumentHelper(pdf).getAllPages().size());
    } catch (const std::exception& exception) {
        *error = messages::CannotReadBack(path, Reason(exception));
        return std::nullopt;
    }
}

} // namespace quenra::img2pdf
