// Img2PDF: turns page images into a PDF file, or adds them to one. The program starts it
// after writing a report's or a graph's pages as JPEG files; see Converter.h.
#include "Converter.h"

#include <QCoreApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Every page passes through several buffers of its image's size (about 2 MB) on its way into
// the PDF. By default the C library hands such blocks back to the system when they are freed
// and the next page touches fresh memory again, which costs more than the copying itself.
// This short-lived process keeps them for the next page instead.
void KeepLargeBuffersForReuse() {
#ifdef __GLIBC__
    constexpr int kLargeBlock = 64 << 20;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
    mallopt(M_TRIM_THRESHOLD, 2 * kLargeBlock);
#endif
}

} // namespace

int main(int argc, char** argv) {
    KeepLargeBuffersForReuse();
    const QCoreApplication application(argc, argv);
    return quenra::img2pdf::Converter::Run(QCoreApplication::arguments().mid(1));
}
