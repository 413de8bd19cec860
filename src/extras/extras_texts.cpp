#include "extras/extras_texts.h"

#include <array>

namespace dovevar {
namespace {

constexpr int kLanguages = 4;
using Row = std::array<std::u16string_view, kLanguages>;  // Japanese, English, Korean, Chinese

constexpr std::array<Row, static_cast<int>(ExtrasText::kCount)> kTexts = {{
    {u"リストのチェック", u"Check list", u"목록 검사", u"检查列表"},
    {u"{1} 行をチェックし、{0} 件の問題が見つかりました。", u"{0} problems found in {1} rows checked.",
     u"{1}행을 검사하여 {0}건의 문제를 찾았습니다.", u"检查了 {1} 行，发现 {0} 个问题。"},
    {u"{0} 行をチェックし、問題は見つかりませんでした。", u"No problems found in {0} rows checked.",
     u"{0}행을 검사했으며 문제가 없습니다.", u"检查了 {0} 行，没有发现问题。"},
    {u"このまま実行しますか？", u"Run anyway?", u"그대로 실행하시겠습니까?", u"仍要运行吗？"},
    {u"行", u"Row", u"행", u"行"},
    {u"列", u"Column", u"열", u"列"},
    {u"問題", u"Problem", u"문제", u"问题"},
    {u"問題の行を選択", u"Select these rows", u"문제 행 선택", u"选择这些行"},
    {u"閉じる", u"Close", u"닫기", u"关闭"},
    {u"実行する", u"Run anyway", u"실행", u"仍然运行"},
    {u"キャンセル", u"Cancel", u"취소", u"取消"},
    {u"図面がありません: {0}", u"Drawing not found: {0}", u"도면이 없습니다: {0}", u"找不到图纸: {0}"},
    {u"インストールされていないプリンタです: {0}", u"Printer not installed: {0}",
     u"설치되지 않은 프린터입니다: {0}", u"未安装的打印机: {0}"},
    {u"使用禁止のプリンタです: {0}", u"Printer is prohibited: {0}", u"사용 금지된 프린터입니다: {0}",
     u"禁止使用的打印机: {0}"},
    {u"用紙 {0} は {1} にありません", u"Paper {0} is not offered by {1}", u"용지 {0}은(는) {1}에 없습니다",
     u"{1} 不提供纸张 {0}"},
    {u"印刷スタイルがありません: {0}", u"Plot style not found: {0}", u"플롯 스타일이 없습니다: {0}",
     u"找不到打印样式: {0}"},
    {u"セルの制御文字はスクリプトに書きません: {0}", u"Control characters in the cell are left out of the script: {0}",
     u"셀의 제어 문자는 스크립트에 쓰지 않습니다: {0}", u"单元格中的控制字符不写入脚本: {0}"},
    {u"スクリプトにファイル名かフォルダの列がありません", u"The Script set has no file-name or folder column",
     u"스크립트에 파일 이름 또는 폴더 열이 없습니다", u"脚本没有文件名或文件夹列"},
    {u"{0}/{1} {2}、{3}、残り約 {4}", u"{0}/{1} {2}, {3}, about {4} left", u"{0}/{1} {2}, {3}, 약 {4} 남음",
     u"{0}/{1} {2}，{3}，约剩 {4}"},
    {u"{0} 行を一括実行中", u"{0} rows in one run", u"{0}행 일괄 실행 중", u"一次运行 {0} 行"},
    {u"完了 {0}、失敗 {1}", u"{0} done, {1} failed", u"완료 {0}, 실패 {1}", u"完成 {0}，失败 {1}"},
    {u"実行レポートを書き込めません: {0}", u"The run report could not be written: {0}",
     u"실행 보고서를 쓸 수 없습니다: {0}", u"无法写入运行报告: {0}"},
    {u"実行レポートを開けません: {0}", u"The run report could not be opened: {0}",
     u"실행 보고서를 열 수 없습니다: {0}", u"无法打开运行报告: {0}"},
    {u"拡張設定", u"Extras settings", u"확장 설정", u"扩展设置"},
    {u"実行の前にリストをチェックする", u"Check the list before each run", u"실행 전에 목록 검사",
     u"运行前检查列表"},
    {u"1 行ごとの起動の制限時間（秒、0 = なし）:", u"Time limit of one start per row (seconds, 0 = none):",
     u"행마다 실행의 제한 시간(초, 0 = 없음):", u"每行启动的时间限制（秒，0 = 无）:"},
    {u"OK", u"OK", u"확인", u"确定"},
    {u"Dovevar で予期しない問題が起きました。図面リストは保存しました。"
     u"作業を保存して Dovevar を起動し直してください。",
     u"Something went wrong in Dovevar. The Drawing list has been saved; "
     u"save your work and start Dovevar again.",
     u"Dovevar에서 예기치 않은 문제가 발생했습니다. 도면 목록은 저장했습니다. "
     u"작업을 저장하고 Dovevar를 다시 시작하십시오.",
     u"Dovevar 发生了意外问题。图纸列表已保存；请保存您的工作并重新启动 Dovevar。"},
    {u"選択したファイルが多すぎて受け取れませんでした。数回に分けて選ぶか、フォルダごと集めてください。",
     u"Too many files were picked to be taken at once. Pick them in smaller groups, or collect their folder.",
     u"선택한 파일이 너무 많아 받을 수 없습니다. 여러 번에 나누어 선택하거나 폴더째 모으십시오.",
     u"一次选择的文件太多，无法接收。请分几次选择，或按文件夹收集。"},
    {u"完了 {0}、実行中 {1}、残り {2} 行、{3}、残り約 {4}", u"{0} done, {1} running, {2} left, {3}, about {4} left",
     u"완료 {0}, 실행 중 {1}, 남은 행 {2}, {3}, 약 {4} 남음", u"完成 {0}，运行中 {1}，剩余 {2} 行，{3}，约剩 {4}"},
    {u"完了 {0}、実行中 {1}、残り {2} 行", u"{0} done, {1} running, {2} left", u"완료 {0}, 실행 중 {1}, 남은 행 {2}",
     u"完成 {0}，运行中 {1}，剩余 {2} 行"},
    {u"停止しました: 完了 {0}、未完了 {1}", u"Stopped: {0} done, {1} not done", u"중지됨: 완료 {0}, 미완료 {1}",
     u"已停止: 完成 {0}，未完成 {1}"},
    {u"実行中の図面が終わったら停止します…", u"Stopping after the drawings that run now...",
     u"실행 중인 도면이 끝나면 중지합니다...", u"正在运行的图纸结束后停止..."},
    {u"実行中の CAD アプリケーションを今すぐ終了しますか？作業中の図面は完了しません。",
     u"End the running CAD application now? The drawing it works on will not be finished.",
     u"실행 중인 CAD 애플리케이션을 지금 종료하시겠습니까? 작업 중인 도면은 완료되지 않습니다.",
     u"立即结束正在运行的 CAD 应用程序吗？正在处理的图纸将不会完成。"},
    {u"実行中です。実行を停止して、停止したら Dovevar を閉じますか？",
     u"A run is going on. Stop the run and close Dovevar once it has stopped?",
     u"실행 중입니다. 실행을 중지하고 중지되면 Dovevar를 닫으시겠습니까?",
     u"正在运行。停止运行并在停止后关闭 Dovevar 吗？"},
    {u"実行レポートの最後の実行に失敗した行はありません。", u"The last run in the run report has no failed rows.",
     u"실행 보고서의 마지막 실행에 실패한 행이 없습니다.", u"运行报告中的最后一次运行没有失败的行。"},
    {u"最後の実行で失敗した {0} 行を選択しました", u"{0} failed rows of the last run selected",
     u"마지막 실행에서 실패한 {0}행을 선택했습니다", u"已选择最后一次运行中失败的 {0} 行"},
    {u"同時に起動する CAD の数 (1～8):", u"CAD processes at once (1 to 8):", u"동시에 실행할 CAD 수 (1~8):",
     u"同时启动的 CAD 数 (1～8):"},
    {u"ドロップされた {0} 個のファイルは図面でもフォルダでもないため、追加しませんでした。",
     u"{0} dropped files are neither drawings nor folders and were not added.",
     u"끌어 놓은 파일 {0}개는 도면도 폴더도 아니므로 추가하지 않았습니다.",
     u"拖放的 {0} 个文件既不是图纸也不是文件夹，未添加。"},
    {u"フォルダ選択", u"Choose a folder", u"폴더 선택", u"选择文件夹"},
    {u"選択{0}", u"Use {0}", u"선택{0}", u"选择{0}"},
    {u"選択フォルダ名{0}（「･･･」にて設定して下さい）", u"Favourite folder {0} (set it with \"･･･\")",
     u"즐겨찾기 폴더 {0} (\"･･･\"로 설정하십시오)", u"收藏文件夹 {0}（用“･･･”设置）"},
    {u"上記以外でフォルダ選択", u"Choose another folder", u"다른 폴더 선택", u"选择其他文件夹"},
    {u"元に戻しました: {0}、{1} 行", u"Undo: {0}, {1} rows", u"실행 취소: {0}, {1}행", u"已撤销：{0}，{1} 行"},
    {u"元に戻しました: {0}、1 行", u"Undo: {0}, 1 row", u"실행 취소: {0}, 1행", u"已撤销：{0}，1 行"},
    {u"やり直しました: {0}、{1} 行", u"Redo: {0}, {1} rows", u"다시 실행: {0}, {1}행", u"已重做：{0}，{1} 行"},
    {u"やり直しました: {0}、1 行", u"Redo: {0}, 1 row", u"다시 실행: {0}, 1행", u"已重做：{0}，1 行"},
    {u"元に戻す操作はありません", u"Nothing to undo", u"실행 취소할 작업이 없습니다", u"没有可撤销的操作"},
    {u"やり直す操作はありません", u"Nothing to redo", u"다시 실행할 작업이 없습니다", u"没有可重做的操作"},
    {u"列が変わったため、元に戻す履歴を消去しました", u"The columns changed: undo and redo start afresh",
     u"열이 바뀌어 실행 취소 기록을 지웠습니다", u"列已更改，撤销记录已清除"},
    {u"図面の収集", u"collection", u"도면 수집", u"图纸收集"},
    {u"ファイル名で変換", u"changed by file name", u"파일명으로 변환", u"按文件名变换"},
    {u"セル編集", u"cell edit", u"셀 편집", u"单元格编辑"},
    {u"１行編集", u"one-line edit", u"1줄 편집", u"1行编辑"},
    {u"１列編集", u"one-column edit", u"1열 편집", u"1列编辑"},
    {u"１行PASTE", u"one-line paste", u"1줄 붙여넣기", u"1行粘贴"},
    {u"行追加", u"add rows", u"줄 추가", u"添加行"},
    {u"行移動", u"move row", u"줄 이동", u"移动行"},
    {u"レイアウト連番", u"layout numbers", u"레이아웃 연번", u"布局编号"},
    {u"削除", u"delete", u"삭제", u"删除"},
    {u"並べ替え", u"sort", u"정렬", u"排序"},
    {u"リスト読込", u"list load", u"리스트 읽기", u"读取列表"},
}};

}  // namespace

std::u16string_view extrasText(int language, ExtrasText text) {
  const int column = language >= 0 && language < kLanguages ? language : 1;
  return kTexts[static_cast<int>(text)][column];
}

std::u16string fillText(std::u16string_view pattern, std::initializer_list<std::u16string_view> values) {
  std::u16string text;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const bool placeholder = pattern[at] == u'{' && at + 2 < pattern.size() && pattern[at + 2] == u'}' &&
                             pattern[at + 1] >= u'0' && pattern[at + 1] < u'0' + static_cast<int>(values.size());
    if (!placeholder) {
      text += pattern[at];
      continue;
    }
    text.append(*(values.begin() + (pattern[at + 1] - u'0')));
    at += 2;
  }
  return text;
}

}  // namespace dovevar
