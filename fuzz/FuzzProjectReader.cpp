// Any bytes given to the project file reader must give values or messages, never a crash, a
// hang or undefined behaviour. Each input costs the reader's work alone; that whatever was read
// saves and opens again is checked, for the records of every reader, by fuzz_record_to_report.
#include "files/ProjectFileReader.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <QByteArray>

#include <cstdint>

namespace {

class SilentPrompter : public quenra::Prompter {
public:
    void Inform(const QString&) override {}
    Answer Ask(const QString&, Choices) override { return Answer::No; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentPrompter prompter;
    quenra::ProjectData project;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quenra::ReadProjectBytes(project, bytes, prompter);
    return 0;
}
