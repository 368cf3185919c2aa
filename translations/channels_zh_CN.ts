<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>No channel matches</source>
        <translation>没有匹配的信道</translation>
    </message>
    <message>
        <source>Matching channels: %1</source>
        <translation>匹配的信道：%1 个</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>Frequency, name or tone</source>
        <translation>频率、名称或亚音</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>查找内容</translation>
    </message>
    <message>
        <source>Channels whose frequency, name or tone shows this text are highlighted. Enter or F3 goes to the next one, Shift+Enter or Shift+F3 to the previous one, Escape closes the bar.</source>
        <translation>频率、名称或亚音中含有此内容的信道以高亮显示。Enter 或 F3 转到下一个，Shift+Enter 或 Shift+F3 转到上一个，Esc 关闭查找栏。</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>上一个匹配项 (Shift+F3)</translation>
    </message>
    <message>
        <source>Previous match</source>
        <translation>上一个匹配项</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>下一个匹配项 (F3)</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>下一个匹配项</translation>
    </message>
    <message>
        <source>Show only matches</source>
        <translation>只显示匹配项</translation>
    </message>
    <message>
        <source>Hides the channels that do not match; a paste or a fill down changes only the rows shown</source>
        <translation>隐藏不匹配的信道；粘贴和向下填充只改动显示出来的行</translation>
    </message>
    <message>
        <source>Closes the find bar and shows every channel (Escape)</source>
        <translation>关闭查找栏并显示全部信道 (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>关闭查找栏</translation>
    </message>
</context>
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
        <source>Copies the selected channels and empties them</source>
        <translation>复制选中的信道并将其清空</translation>
    </message>
    <message>
        <source>Copies the selected channels, for this program and for spreadsheets</source>
        <translation>复制选中的信道，可粘贴到本程序或电子表格</translation>
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
        <source>Moves the selected channels up by one</source>
        <translation>将选中的信道上移一行</translation>
    </message>
    <message>
        <source>Moves the selected channels down by one</source>
        <translation>将选中的信道下移一行</translation>
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
    <message>
        <source>Sorts the selected channels or all channels in use by a field</source>
        <translation>按某一参数对选中的信道或全部已用信道排序</translation>
    </message>
    <message>
        <source>Finds channels by frequency, name or tone</source>
        <translation>按频率、名称或亚音查找信道</translation>
    </message>
    <message>
        <source>Goes to the next channel that matches</source>
        <translation>转到下一个匹配的信道</translation>
    </message>
    <message>
        <source>Goes to the previous channel that matches</source>
        <translation>转到上一个匹配的信道</translation>
    </message>
    <message>
        <source>Sort channels</source>
        <translation>信道排序</translation>
    </message>
    <message>
        <source>Cu&amp;t channels</source>
        <translation>剪切信道(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy channels</source>
        <translation>复制信道(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste channels</source>
        <translation>粘贴信道(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Insert channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Delete channels</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <source>Mo&amp;ve up</source>
        <translation>上移(&amp;V)</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Fill down…</source>
        <translation>向下填充(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Sort channels…</source>
        <translation>信道排序(&amp;S)…</translation>
    </message>
    <message>
        <source>Fi&amp;nd…</source>
        <translation>查找(&amp;N)…</translation>
    </message>
    <message>
        <source>Find ne&amp;xt</source>
        <translation>查找下一个(&amp;X)</translation>
    </message>
    <message>
        <source>Find pr&amp;evious</source>
        <translation>查找上一个(&amp;E)</translation>
    </message>
</context>
<context>
    <name>DuplicatesWindow</name>
    <message>
        <source>There is no such duplicate to select.</source>
        <translation>没有可选中的此类重复信道。</translation>
    </message>
    <message>
        <source>Selected in the channel table: %1. Edit &gt; Delete channels removes them.</source>
        <translation>已在信道表中选中：%1。用“编辑 &gt; 删除信道”即可将其删除。</translation>
    </message>
    <message>
        <source>RX %1 MHz: channels %2</source>
        <translation>接收 %1 MHz：信道 %2</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>No two channels in use share a receive frequency.</source>
        <translation>已用信道中没有接收频率相同的信道。</translation>
    </message>
    <message>
        <source>%1 channels share %2 receive frequencies. Double-click a channel (or press Enter) to select it in the channel table.</source>
        <translation>%1 个信道共用 %2 个接收频率。双击某个信道（或按 Enter）即可在信道表中选中它。</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>重复信道</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道号</translation>
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
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>信道带宽</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>信道名称</translation>
    </message>
    <message>
        <source>Same TX and tones as</source>
        <translation>发射频率和亚音相同于</translation>
    </message>
    <message>
        <source>Only those with the same TX frequency and tones as well</source>
        <translation>只算发射频率和亚音也相同的信道</translation>
    </message>
    <message>
        <source>Off: every channel after the first of its receive frequency counts as a duplicate</source>
        <translation>不勾选时：同一接收频率的第一个信道之后的每个信道都算作重复</translation>
    </message>
    <message>
        <source>Select all duplicates but the first</source>
        <translation>选中除第一个外的全部重复信道</translation>
    </message>
    <message>
        <source>Selects every repeat in the channel table, keeping the lowest channel of each</source>
        <translation>在信道表中选中每个重复的信道，每组保留编号最小的信道</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>PlanCheckWindow</name>
    <message>
        <source>Every channel that transmits keeps to the plan of %1. Receive-only channels never break a plan.</source>
        <translation>所有发射信道都符合 %1 的频率规划。只接收的信道不会违反规划。</translation>
    </message>
    <message>
        <source>Channels that break the plan of %1: %2. Double-click one (or press Enter) to select it in the channel table.</source>
        <translation>违反 %1 频率规划的信道：%2 个。双击某一行（或按 Enter）即可在信道表中选中该信道。</translation>
    </message>
    <message>
        <source>Check against a plan</source>
        <translation>按频率规划检查</translation>
    </message>
    <message>
        <source>Band plan:</source>
        <translation>频率规划：</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道号</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Channels that break the plan</source>
        <translation>违反规划的信道</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>SortChannelsDialog</name>
    <message>
        <source>Ascending</source>
        <translation>升序</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降序</translation>
    </message>
    <message>
        <source>The %1 selected channels, among their own places</source>
        <translation>选中的 %1 个信道，在它们原有的位置之间排序</translation>
    </message>
    <message>
        <source>All channels in use, from channel 1 on; the unused ones go to the end</source>
        <translation>全部已用信道，从信道 1 开始；未用信道排到最后</translation>
    </message>
    <message>
        <source>Sort channels</source>
        <translation>信道排序</translation>
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
        <source>Decode tone</source>
        <translation>解码亚音</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>信道名称</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>顺序</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Each channel moves whole, and the priority channel follows its channel. Channels without the field (no TX frequency, no name) come after those with it. Edit &gt; Undo takes the sort back.</source>
        <translation>每个信道整体移动，优先信道随其信道一起移动。没有该参数的信道（无发射频率、无名称）排在有该参数的信道之后。可用“编辑 &gt; 撤销”恢复原来的顺序。</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>排序依据：</translation>
    </message>
    <message>
        <source>The selected channels (select two or more in the table first)</source>
        <translation>选中的信道（请先在信道表中选中两个或更多信道）</translation>
    </message>
</context>
</TS>
