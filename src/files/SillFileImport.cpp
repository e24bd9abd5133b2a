#include "files/SillFileImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace vonu {

namespace {

namespace Tekst {
const char* const NietOvergenomen = "Onderdorpelbestand %1 is niet overgenomen:";
const char* const BestaatAl = "in %1 staat al een bestand met deze naam.";
const char* const BlijftStaan = "Het bestand blijft in de map met inkomende onderdorpelbestanden.";
const char* const WelOvergenomen = "Onderdorpelbestand %1 is overgenomen naar %2,";
const char* const NietVerwijderd = "maar kan niet uit de map met inkomende onderdorpelbestanden worden verwijderd:";
const char* const ZelfVerwijderen = "Verwijder het daar zelf.";
const char* const BuitenMap = "Bestand %1 wordt niet overgenomen:";
const char* const BuitenMap2 = "het staat niet in de map met inkomende onderdorpelbestanden.";
const char* const NietGelezen = "het kan niet worden gelezen (%1).";
const char* const NietGeschreven = "het kan niet in %1 worden geschreven (%2).";
const char* const MapNiet = "map %1 kan niet worden aangemaakt.";
} // namespace Tekst

QString clean(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

SillFileImportResult result(SillFileImportResult::Uitkomst uitkomst, const QString& bron, const QString& doel,
                            const QString& reden = {})
{
    SillFileImportResult r;
    r.uitkomst = uitkomst;
    r.bron = bron;
    r.doel = doel;
    r.reden = reden;
    return r;
}

} // namespace

QString sillTargetPath(const QString& chosen, const QString& postFolder, const QString& preFolder)
{
    const QString post = clean(postFolder);
    const QString file = clean(chosen);
    if (post.isEmpty() || preFolder.trimmed().isEmpty() || !file.startsWith(post + u'/') ||
        file.size() == post.size() + 1)
        return {};
    return clean(preFolder) + file.mid(post.size());
}

SillFileImportResult importSillFile(const QString& chosen, const QString& postFolder, const QString& preFolder)
{
    using U = SillFileImportResult::Uitkomst;
    const QString bron = clean(chosen);
    const QString doel = sillTargetPath(chosen, postFolder, preFolder);
    if (doel.isEmpty())
        return result(U::BuitenMap, bron, doel);
    if (QFileInfo::exists(doel))
        return result(U::DoelBestaat, bron, doel);

    // The reasons are the user's; the system's own words go in brackets.
    const auto u8 = [](const char* t) { return QString::fromUtf8(t); };
    QFile in(bron);
    if (!in.open(QIODevice::ReadOnly))
        return result(U::KopieMislukt, bron, doel, u8(Tekst::NietGelezen).arg(in.errorString()));
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return result(U::KopieMislukt, bron, doel, u8(Tekst::NietGelezen).arg(in.errorString()));
    in.close();

    const QString folder = QFileInfo(doel).absolutePath();
    if (!QDir().mkpath(folder))
        return result(U::KopieMislukt, bron, doel, u8(Tekst::MapNiet).arg(native(folder)));
    const auto notWritten = [&](const QString& why) {
        return result(U::KopieMislukt, bron, doel, u8(Tekst::NietGeschreven).arg(native(folder), why));
    };
    // Written under a temporary name beside the target and renamed only
    // when every byte is on disk, so the configurator never finds half a
    // file; the rename does not replace a file that appeared meanwhile.
    QTemporaryFile tmp(folder + QStringLiteral("/.onderdorpel-XXXXXX"));
    if (!tmp.open())
        return notWritten(tmp.errorString());
    if (tmp.write(data) != data.size() || !tmp.flush())
        return notWritten(tmp.errorString());
    tmp.close();
    if (!tmp.rename(doel)) {
        if (QFileInfo::exists(doel))
            return result(U::DoelBestaat, bron, doel);
        return notWritten(tmp.errorString());
    }
    tmp.setAutoRemove(false);

    QFile done(bron);
    if (!done.remove())
        return result(U::VerwijderenMislukt, bron, doel, done.errorString());
    return result(U::Verplaatst, bron, doel);
}

QStringList sillFileImportMessage(const SillFileImportResult& r)
{
    using U = SillFileImportResult::Uitkomst;
    const QString name = QFileInfo(r.bron).fileName();
    const auto u8 = [](const char* t) { return QString::fromUtf8(t); };
    switch (r.uitkomst) {
    case U::Verplaatst:
        return {};
    case U::DoelBestaat:
        return {u8(Tekst::NietOvergenomen).arg(name), u8(Tekst::BestaatAl).arg(native(QFileInfo(r.doel).absolutePath())),
                u8(Tekst::BlijftStaan)};
    case U::KopieMislukt:
        return {u8(Tekst::NietOvergenomen).arg(name), r.reden, u8(Tekst::BlijftStaan)};
    case U::VerwijderenMislukt:
        return {u8(Tekst::WelOvergenomen).arg(name, native(QFileInfo(r.doel).absolutePath())), u8(Tekst::NietVerwijderd),
                r.reden, u8(Tekst::ZelfVerwijderen)};
    case U::BuitenMap:
        return {u8(Tekst::BuitenMap).arg(native(r.bron)), u8(Tekst::BuitenMap2)};
    }
    return {};
}

} // namespace vonu
