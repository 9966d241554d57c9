#include "RuntimeError.h"

namespace runtime_error {

RuntimeError Make(int number) {
    switch (number) {
    case Overflow: return {number, "オーバーフローしました。"};
    case TypeMismatch: return {number, "型が一致しません。"};
    case InputPastEndOfFile: return {number, "ファイルにこれ以上データがありません。"};
    case PermissionDenied: return {number, "書き込みできません。"};
    case PathFileAccessError: return {number, "パス名が無効です。"};
    default: return {number, "アプリケーション定義またはオブジェクト定義のエラーです。"};
    }
}

}  // namespace runtime_error
