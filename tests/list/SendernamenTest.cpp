// Station name files in every encoding the picker reads.
#include "list/Sendernamen.h"

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

TEST(Sendernamen, KodierungNachByteFolgeUndZeilenenden) {
    const QStringList zwei{u"Arte"_s, u"ORF Ö1"_s};
    const std::pair<QByteArray, std::optional<QStringList>> faelle[] = {
        {Bytes({0xFF, 0xFE, 'A', 0,   'r', 0,   't', 0,   'e', 0,    '\r', 0,   '\n',
                0,    'O',  0,   'R', 0,   'F', 0,   ' ', 0,   0xD6, 0,    '1', 0}),
         zwei},
        // Big-endian; an odd last byte is dropped.
        {Bytes(
             {0xFE, 0xFF, 0, 'A', 0, 'r', 0, 't', 0, 'e', 0, '\n', 0, 'O', 0, 'R', 0, 'F', 0, ' ', 0, 0xD6, 0, '1', 4}),
         zwei},
        {QByteArray("\xEF\xBB\xBF"
                    "Arte\r\nORF \xC3\x96"
                    "1\r\n"),
         zwei},
        // No mark: valid UTF-8 is UTF-8, anything else Windows-1252.
        {QByteArray("Arte\nORF \xC3\x96"
                    "1"),
         zwei},
        {QByteArray("Arte\rORF \xD6"
                    "1\n"),
         zwei},
        {QByteArray("\x80 TV\r\n\r\nB\tC"), QStringList{u"€ TV"_s, u""_s, u"B\tC"_s}},
        {QByteArray("\xFF\xFE"), QStringList{}},
        // No mark, zero bytes in alternating places: UTF-16; U+0100 puts one in the other place.
        {Bytes({'A', 0, 'r', 0, 't', 0, 'e', 0, '\n', 0, 'O', 0, 'R', 0, 'F', 0, ' ', 0, 0xD6, 0, '1', 0}), zwei},
        {Bytes({0, 'A', 0, 'r', 0, 't', 0, 'e', 0, '\r', 0, '\n', 1, 0, 0, '\n'}), QStringList{u"Arte"_s, u"Ā"_s}},
        // Only CR and LF end a name; the other line ends of the list file become blanks.
        {QByteArray("ZDF\vHD \x0c\r\n\xC2\x85"
                    "Arte\xE2\x80\xA8HD\xE2\x80\xA9"),
         QStringList{u"ZDF HD"_s, u"Arte HD"_s}},
        // Still holding a character 0 once decoded (UTF-32, a picture), a file is no text.
        {QByteArray("A\0\0\0\n\0\0\0", 8), std::nullopt},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), std::nullopt},
        {QByteArray("\xFF\xFE"
                    "A\0\0\0",
                    6),
         std::nullopt},
    };
    for (const auto& [bytes, namen] : faelle)
        EXPECT_EQ(DekodiereSendernamen(bytes), namen) << bytes.toHex().toStdString();
}
