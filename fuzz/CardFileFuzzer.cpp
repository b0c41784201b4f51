// Feeds arbitrary bytes to the card file reader. Whatever it reads must write
// back into a file the reader accepts, and the file version in force must be
// back at rest afterwards.
#include "document/CArchive.h"
#include "document/COstrelsDoc.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    COstrelsDoc doc;
    bool bRead = false;
    try {
        CArchive ar(reinterpret_cast<const char*>(data), qsizetype(size));
        doc.Serialize(ar);
        bRead = true;
    } catch (const CArchiveException&) {
    }
    if (g_nFileVersion != kCurrentFileVersion)
        std::abort();
    if (!bRead)
        return 0;

    QByteArray written;
    {
        CArchive ar(&written);
        doc.Serialize(ar);
    }
    COstrelsDoc again;
    try {
        CArchive ar(written);
        again.Serialize(ar);
    } catch (const CArchiveException&) {
        std::abort();  // the writer produced a file its own reader refuses
    }
    if (again.m_elements.size() != doc.m_elements.size())
        std::abort();
    return 0;
}
