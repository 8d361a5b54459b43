#include "DataIo.h"

#include "FilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString DataIo::MsgNoRouteData = QStringLiteral("指定した系統のデータがありません...");
const QString DataIo::MsgEmptyRoute =
    QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
const QString DataIo::MsgSectionBeyondData =
    QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.");

DataIo::DataIo() = default;

std::optional<Failure> DataIo::SetHyData(int row, int item, const QString &value)
{
    if (row < 1 || row > TableRows || item < 1 || item > LastItem)
        return Failure::of(RuntimeError::SubscriptOutOfRange);
    if (item != 1) // only the name is a text
        return Failure::of(RuntimeError::InvalidCall);
    HyTable[row].TeiName = value;
    return std::nullopt;
}

std::optional<Failure> DataIo::SetHyData(int row, int item, int value)
{
    if (row < 1 || row > TableRows || item < 1 || item > LastItem)
        return Failure::of(RuntimeError::SubscriptOutOfRange);
    if (item == 1) {
        HyTable[row].TeiName = QString::number(value);
        return std::nullopt;
    }
    if (value < -32768 || value > 32767)
        return Failure::of(RuntimeError::Overflow);
    if (item == 2)
        HyTable[row].SeiriNo = qint16(value);
    else
        HyTable[row].Col[item - 2] = qint16(value);
    return std::nullopt;
}

void DataIo::ClearHyData()
{
    for (int r = 1; r <= TableRows; ++r)
        HyTable[r] = HyRecord();
    m_heldRows = 0;
}

namespace {

HyLoadResult refused(HyLoadResult::Outcome outcome, const QString &message)
{
    return {outcome, message, {}};
}

HyLoadResult failed(const Failure &f)
{
    return {HyLoadResult::Failed, f.description, f};
}

} // namespace

HyLoadResult DataIo::LoadHyData(const QString &fareFolder, const QString &routeText)
{
    const QString fileName = FilePaths::resolveIgnoringCase(fareFolder + routeText + QStringLiteral(".hy3"));

    // Existence check. QFile::open(ReadOnly) never creates a file.
    const QFileInfo info(fileName);
    if (!info.exists()) {
        if (!info.dir().exists())
            return failed(Failure::of(RuntimeError::PathNotFound, info.path()));
        return refused(HyLoadResult::NoRouteData, MsgNoRouteData);
    }
    if (!info.isFile()) // a folder or a device under the route's name
        return failed(Failure::of(RuntimeError::PathFileAccess, fileName));

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(Failure::of(RuntimeError::PathFileAccess, fileName));

    const QByteArray head = file.read(Hy3File::CountBytes);
    HyCount = Hy3File::readCount(head);
    if (HyCount == 0)
        return refused(HyLoadResult::EmptyRoute, MsgEmptyRoute);

    const int lastStart = int(HyCount) - 1;
    if (lastStart < -32768)
        return failed(Failure::of(RuntimeError::Overflow, QStringLiteral("(%1)").arg(info.fileName())));
    if (lastStart < KukanNo)
        return refused(HyLoadResult::SectionBeyondData, MsgSectionBeyondData);

    // No file of at most 301 rows needs more than this; whatever lies beyond
    // it is past the last row and never looked at.
    const qint64 rest = qMin<qint64>(file.size(), Hy3File::maxFileBytes(TableRows)) - head.size();
    const QByteArray whole = rest > 0 ? head + file.read(rest) : head;
    if (file.error() != QFileDevice::NoError)
        return failed(Failure::of(RuntimeError::DeviceIo, fileName));
    file.close();

    auto rows = Hy3File::readRows(whole, TableRows, info.fileName());
    if (const Failure *f = std::get_if<Failure>(&rows))
        return failed(*f);
    const std::vector<HyRecord> &read = std::get<Hy3File::Rows>(rows).rows;

    ClearHyData();
    for (int r = 1; r <= int(read.size()); ++r) {
        const HyRecord &rec = read[r - 1];
        SetHyData(r, 1, rec.TeiName);
        SetHyData(r, 2, rec.SeiriNo);
        for (int k = 3; k <= LastItem; ++k)
            SetHyData(r, k, rec.Col[k - 2]);
    }
    m_heldRows = int(read.size());
    DataPos = qint16(KukanNo - 1);
    return {};
}
