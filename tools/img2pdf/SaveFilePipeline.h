#pragma once

#include <QByteArray>

#include <qpdf/Pipeline.hh>

class QSaveFile;

namespace quenra::img2pdf {

// The end of QPDF's writer pipeline: collects the many small pieces the writer produces and
// hands them to the save file in large blocks. The file must be open without Qt's buffer,
// so that a short write (a full disk) shows in write()'s result; it is then thrown as a
// std::runtime_error, which stops the writer at once.
class SaveFilePipeline : public Pipeline {
public:
    explicit SaveFilePipeline(QSaveFile* file);

    using Pipeline::write;
    void write(unsigned char const* data, size_t length) override;
    void finish() override;

private:
    void Flush();
    void WriteToFile(const char* data, qsizetype size);

    QSaveFile* file_;
    QByteArray pending_;
};

} // namespace quenra::img2pdf
