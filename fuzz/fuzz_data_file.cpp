// A data file as it lies on disk: the envelope, the encoding, the XML parser.
#include "FuzzSupport.h"

#include "store/DataFileEnvelope.h"
#include "store/XmlDocument.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw = FuzzSupport::bytesOf(data, size);
    QByteArray bytes = raw;
    UnscrambleStream(bytes);
    QByteArray back = bytes;
    ScrambleStream(back);
    FUZZ_CHECK(back == raw);

    XmlDocument document;
    if (!document.parse(bytes)) {
        FUZZ_CHECK(document.isEmpty());
        return 0;
    }
    // What a save writes, a load reads back.
    const QByteArray written = document.serialize();
    XmlDocument again;
    FUZZ_CHECK(again.parse(written));
    XmlDocument copy(document);
    FUZZ_CHECK(copy.serialize() == written);
    return 0;
}
