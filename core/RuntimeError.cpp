#include "RuntimeError.h"

namespace RuntimeError {

QString description(int number)
{
    switch (number) {
    case InvalidCall:
        return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case Overflow:
        return QStringLiteral("オーバーフローしました。");
    case OutOfMemory:
        return QStringLiteral("メモリが不足しています。");
    case SubscriptOutOfRange:
        return QStringLiteral("インデックスが有効範囲にありません。");
    case OutOfStackSpace:
        return QStringLiteral("スタック領域が不足しています。");
    case InternalError:
        return QStringLiteral("内部エラーです。");
    case ObjectNotSet:
        return QStringLiteral("オブジェクト変数または With ブロック変数が設定されていません。");
    case BadFileName:
        return QStringLiteral("ファイル名または番号が不正です。");
    case FileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case DeviceIo:
        return QStringLiteral("デバイス I/O エラーです。");
    case InputPastEnd:
        return QStringLiteral("ファイルにこれ以上データがありません。");
    case DeviceUnavailable:
        return QStringLiteral("デバイスが準備されていません。");
    case PathFileAccess:
        return QStringLiteral("パス名が無効です。ファイルにアクセスできません。");
    case PathNotFound:
        return QStringLiteral("パスが見つかりません。");
    case InvalidPropertyValue:
        return QStringLiteral("プロパティの値が不正です。");
    case InvalidPicture:
        return QStringLiteral("ピクチャが不正です。");
    }
    return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。(%1)").arg(number);
}

} // namespace RuntimeError
