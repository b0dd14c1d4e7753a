#pragma once
// What a window's box adds after the data store's code when it refused a store for a reason it
// knows.
#include <QString>

// Another program deleted or changed the record since the window read it.
inline const QString StaleNote = "\n\nこのデータは，ほかのプログラムで削除または変更されています。\n"
                                 "開き直してから，もう一度操作してください。";

// What the engine said of the store.
inline const QString ReadOnlyNote =
    "\n\nデータベースが読み取り専用のため，書き込めません。\n"
    "データベースのフォルダーとファイルに書き込めるようにしてから，もう一度操作してください。";
inline const QString DiskFullNote = "\n\nディスクがいっぱいのため，データベースに書き込めません。\n"
                                    "ディスクの空きを作ってから，もう一度操作してください。";
inline const QString LockedNote =
    "\n\nほかのプログラムがデータベースを使っているため，書き込めませんでした。\n"
    "しばらく待ってから，もう一度操作してください。";
