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
    // The input is the document's text: the fuzzer finds structure there,
    // not behind the envelope, which maps every byte string to another.
    const QByteArray text = FuzzSupport::bytesOf(data, size);
    QByteArray bytes = text;
    ScrambleStream(bytes);
    UnscrambleStream(bytes);
    FUZZ_CHECK(bytes == text);

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
