<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelTableWindow</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Over the range of receive frequency .</source>
        <translation>接收频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of transmit frequency .</source>
        <translation>发射频率超出范围 ！</translation>
    </message>
    <message>
        <source>Please input the receive frequency in advance.</source>
        <translation>请先输入接收频率 ！</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>Channel table</source>
        <translation>信道表</translation>
    </message>
    <message>
        <source>One row per channel. Select rows with Shift or Ctrl, then cut, copy, paste, insert, delete, move or fill them down from the context menu.</source>
        <translation>每行一个信道。按住 Shift 或 Ctrl 选择多行，然后从右键菜单剪切、复制、粘贴、插入、删除、移动或向下填充。</translation>
    </message>
    <message>
        <source>Cell text</source>
        <translation>单元格文本</translation>
    </message>
    <message>
        <source>Enter stores the text and moves to the next field; Escape takes it back.</source>
        <translation>回车保存文本并转到下一项；Esc 撤回输入。</translation>
    </message>
    <message>
        <source>Cell list</source>
        <translation>单元格列表</translation>
    </message>
    <message>
        <source>A pick is stored at once, in every selected channel.</source>
        <translation>所选项立即保存到每个选中的信道。</translation>
    </message>
    <message>
        <source>Empties all 128 channels, after a question</source>
        <translation>询问后清空全部 128 个信道</translation>
    </message>
    <message>
        <source>Closes the channel table</source>
        <translation>关闭信道表</translation>
    </message>
    <message>
        <source>Cut channels</source>
        <translation>剪切信道</translation>
    </message>
    <message>
        <source>Copies the selected channels and empties them</source>
        <translation>复制选中的信道并将其清空</translation>
    </message>
    <message>
        <source>Copy channels</source>
        <translation>复制信道</translation>
    </message>
    <message>
        <source>Copies the selected channels, for this program and for spreadsheets</source>
        <translation>复制选中的信道，可粘贴到本程序或电子表格</translation>
    </message>
    <message>
        <source>Paste channels</source>
        <translation>粘贴信道</translation>
    </message>
    <message>
        <source>Pastes channels from the current row down</source>
        <translation>从当前行起向下粘贴信道</translation>
    </message>
    <message>
        <source>Insert channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>Inserts empty channels before the selected ones; the channels below move down</source>
        <translation>在选中的信道前插入空信道，下面的信道依次下移</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Deletes the selected channels; the channels below move up</source>
        <translation>删除选中的信道，下面的信道依次上移</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Moves the selected channels up by one</source>
        <translation>将选中的信道上移一行</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Moves the selected channels down by one</source>
        <translation>将选中的信道下移一行</translation>
    </message>
    <message>
        <source>Fill down…</source>
        <translation>向下填充…</translation>
    </message>
    <message>
        <source>Gives each selected channel the frequency of the one before plus a step</source>
        <translation>每个选中的信道取前一信道的频率加上步进</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>decode tone</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>encode tone</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>width</source>
        <translation>信道带宽</translation>
    </message>
    <message>
        <source>name</source>
        <translation>信道名称</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Channel %1, %2, %3</source>
        <translation>信道 %1，%2，%3</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>The clipboard holds no channels to paste.</source>
        <translation>剪贴板中没有可粘贴的信道。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Channel %1 is in use, and inserting would push it past channel 128. Delete or move a channel at the end first.</source>
        <translation>信道 %1 已使用，插入会把它推到信道 128 之后。请先删除或移走末尾的信道。</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>移动信道</translation>
    </message>
    <message>
        <source>Select the channel to start from and the channels below it to fill.</source>
        <translation>请选中起始信道及其下方要填充的信道。</translation>
    </message>
    <message>
        <source>Fill down starts from channel %1, which has no receive frequency.</source>
        <translation>向下填充从信道 %1 开始，但该信道没有接收频率。</translation>
    </message>
    <message>
        <source>Fill down</source>
        <translation>向下填充</translation>
    </message>
    <message>
        <source>Each selected channel after channel %1 gets the frequency before it plus this step, in kHz:</source>
        <translation>信道 %1 之后每个选中的信道取前一信道的频率加上此步进（kHz）：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Channel %1 would get %2 MHz, outside the frequency range %3 to %4 MHz: it and the channels after it were left as they were.</source>
        <translation>信道 %1 将得到 %2 MHz，超出频率范围 %3 至 %4 MHz：该信道及其后的信道保持不变。</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 个信道</translation>
    </message>
    <message>
        <source>Empty all 128 channels? Edit &gt; Undo brings them back.</source>
        <translation>清空全部 128 个信道吗？可用“编辑 &gt; 撤销”恢复。</translation>
    </message>
</context>
</TS>
