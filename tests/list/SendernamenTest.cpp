// Station name files in every encoding the picker reads.
#include "list/Sendernamen.h"

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

TEST(Sendernamen, KodierungNachByteFolgeUndZeilenenden) {
    const QStringList zwei{u"Arte"_s, u"ORF Ö1"_s};
    const std::pair<QByteArray, std::optional<QStringList>> faelle[] = {
        {QByteArray::fromHex("fffe 4100 7200 7400 6500 0d00 0a00 4f00 5200 4600 2000 d600 3100"), zwei},
        // Big-endian; an odd last byte is dropped.
        {QByteArray::fromHex("feff 0041 0072 0074 0065 000a 004f 0052 0046 0020 00d6 0031 04"), zwei},
        {QByteArray("\xEF\xBB\xBF\x41rte\r\nORF \xC3\x96\x31\r\n"), zwei},
        // No mark: valid UTF-8 is UTF-8, anything else Windows-1252.
        {QByteArray("Arte\nORF \xC3\x96\x31"), zwei},
        {QByteArray("\x80 TV\r\n\rB\tC"), QStringList{u"€ TV"_s, u""_s, u"B\tC"_s}},
        // No mark, zero bytes in alternating places: UTF-16; U+0100 puts one in the other place.
        {QByteArray::fromHex("4100 7200 7400 6500 0a00 4f00 5200 4600 2000 d600 3100"), zwei},
        {QByteArray::fromHex("0041 0072 0074 0065 000d 000a 0100 000a"), QStringList{u"Arte"_s, u"Ā"_s}},
        // Only CR and LF end a name; the other line ends of the list file become blanks.
        {QByteArray("ZDF\vHD \x0c\r\n\xC2\x85\x41rte\xE2\x80\xA8HD\xE2\x80\xA9\n#png#Sport1"),
         QStringList{u"ZDF HD"_s, u"Arte HD"_s, u"# png #Sport1"_s}},
        // Still holding a character 0 once decoded (UTF-32, a picture), a file is no text.
        {QByteArray("A\0\0\0\n\0\0\0", 8), std::nullopt},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), std::nullopt},
        {QByteArray("\xFF\xFE\x41\0\0\0", 6), std::nullopt},
    };
    for (const auto& [bytes, namen] : faelle)
        EXPECT_EQ(DekodiereSendernamen(bytes), namen) << bytes.toHex().toStdString();
}
