<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CImportDialog</name>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Convert Old Project...</source>
        <translation>转换旧工程...</translation>
    </message>
</context>
<context>
    <name>CProjectReport</name>
    <message>
        <source>Project report: %1</source>
        <translation>工程报告：%1</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>通讯</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3 stop bits, parity %4, RS-%5, PLC station %6, delay %7</source>
        <translation>%1 波特，%2 位数据位，%3 位停止位，校验 %4，RS-%5，PLC 站号 %6，延时 %7</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>2 min</source>
        <translation>2 分钟</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 分钟</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 分钟</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 分钟</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>Initial window</source>
        <translation>初始窗口</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Screen saver</source>
        <translation>屏幕保护</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <translation>%1 后：%2</translation>
    </message>
    <message>
        <source>backlight off</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>show window %1</source>
        <translation>显示窗口 %1</translation>
    </message>
    <message>
        <source>change window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>report window</source>
        <translation>报告窗口</translation>
    </message>
    <message>
        <source>clock module</source>
        <translation>时钟模块</translation>
    </message>
    <message>
        <source>Control block</source>
        <translation>控制块</translation>
    </message>
    <message>
        <source>station %1, register %2; %3</source>
        <translation>站号 %1，寄存器 %2；%3</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>no status flags</source>
        <translation>无状态标志</translation>
    </message>
    <message>
        <source>Register step</source>
        <translation>寄存器步长</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>%1 windows, %2 components</source>
        <translation>%1 个窗口，%2 个元件</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3 %)</source>
        <translation>%1 / %2 字节（%3 %）</translation>
    </message>
    <message>
        <source>; it does not fit into the panel</source>
        <translation>；超出面板容量</translation>
    </message>
    <message>
        <source>not measured: %1</source>
        <translation>未能测量：%1</translation>
    </message>
    <message>
        <source>Image size</source>
        <translation>映像大小</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>窗口 %1</translation>
    </message>
    <message>
        <source>Window %1: %2</source>
        <translation>窗口 %1：%2</translation>
    </message>
    <message>
        <source>Up key: window %1; Down key: window %2</source>
        <translation>上键：窗口 %1；下键：窗口 %2</translation>
    </message>
    <message>
        <source>No components.</source>
        <translation>没有元件。</translation>
    </message>
    <message>
        <source>Alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>Initial coil: %1</source>
        <translation>起始线圈：%1</translation>
    </message>
    <message>
        <source>No alarm texts.</source>
        <translation>没有报警文本。</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Coil</source>
        <translation>线圈</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Operand cross-reference</source>
        <translation>操作数交叉引用</translation>
    </message>
    <message>
        <source>The project uses no operands.</source>
        <translation>工程没有使用任何操作数。</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>操作数</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>用途</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>访问</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
</context>
<context>
    <name>CReportCommand</name>
    <message>
        <source>Untitled.pjz</source>
        <translation>无标题.pjz</translation>
    </message>
    <message>
        <source>Making the report…</source>
        <translation>正在生成报告…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Print report</source>
        <translation>打印报告</translation>
    </message>
</context>
<context>
    <name>CReportComponents</name>
    <message>
        <source>%1 … %2</source>
        <translation>%1 … %2</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>picture %1 × %2</source>
        <translation>图片 %1 × %2</translation>
    </message>
    <message>
        <source>round lamp</source>
        <translation>圆形灯</translation>
    </message>
    <message>
        <source>square lamp</source>
        <translation>方形灯</translation>
    </message>
    <message>
        <source>grows up</source>
        <translation>向上增长</translation>
    </message>
    <message>
        <source>grows down</source>
        <translation>向下增长</translation>
    </message>
    <message>
        <source>grows left</source>
        <translation>向左增长</translation>
    </message>
    <message>
        <source>grows right</source>
        <translation>向右增长</translation>
    </message>
    <message>
        <source>%1 samples every %2 s</source>
        <translation>%1 个采样点，每 %2 秒一次</translation>
    </message>
    <message>
        <source>HEX/BCD</source>
        <translation>HEX/BCD</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>十进制</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>有符号</translation>
    </message>
    <message>
        <source>unsigned</source>
        <translation>无符号</translation>
    </message>
    <message>
        <source>%1 digits, %2 decimals</source>
        <translation>%1 位数字，%2 位小数</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n 个字</numerusform>
        </translation>
    </message>
    <message>
        <source>operator entry</source>
        <translation>操作员输入</translation>
    </message>
    <message>
        <source>password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>位 %1</translation>
    </message>
    <message>
        <source>input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>engineering %1</source>
        <translation>工程量 %1</translation>
    </message>
    <message>
        <source>set coil ON</source>
        <translation>线圈置 ON</translation>
    </message>
    <message>
        <source>set coil OFF</source>
        <translation>线圈置 OFF</translation>
    </message>
    <message>
        <source>reverse coil</source>
        <translation>线圈取反</translation>
    </message>
    <message>
        <source>coil on while pressed</source>
        <translation>按下时线圈 ON</translation>
    </message>
    <message>
        <source>jump to window %1</source>
        <translation>跳转到窗口 %1</translation>
    </message>
    <message>
        <source>show the alarm list</source>
        <translation>显示报警列表</translation>
    </message>
    <message>
        <source>set time and date</source>
        <translation>设置时间和日期</translation>
    </message>
    <message>
        <source>set register to %1</source>
        <translation>寄存器置为 %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>invisible</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>hand</source>
        <translation>手形</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>位置和大小</translation>
    </message>
    <message>
        <source>Text or picture</source>
        <translation>文本或图片</translation>
    </message>
    <message>
        <source>Operand and format</source>
        <translation>操作数和格式</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Jumps and keys</source>
        <translation>跳转和按键</translation>
    </message>
    <message>
        <source>double size</source>
        <translation>倍大</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>反显</translation>
    </message>
    <message>
        <source>(%1, %2)
%3 × %4</source>
        <translation>(%1, %2)
%3 × %4</translation>
    </message>
</context>
<context>
    <name>CReportPages</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>ComponentKind</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>寄存器</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>指示灯</translation>
    </message>
    <message>
        <source>Function Key</source>
        <translation>功能键</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Bar Graph</source>
        <translation>棒图</translation>
    </message>
    <message>
        <source>Trend Line</source>
        <translation>趋势图</translation>
    </message>
    <message>
        <source>Dynamic Text</source>
        <translation>动态文本</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>元件</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>number</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>time/date</source>
        <translation>时间/日期</translation>
    </message>
    <message>
        <source>screen saver</source>
        <translation>屏幕保护</translation>
    </message>
    <message>
        <source>password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>window</source>
        <translation>窗口</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Open the picture error!!!</source>
        <translation>打开图片出错！！！</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Open file%1 error! (%2)</source>
        <translation>打开文件%1出错！（%2）</translation>
    </message>
    <message>
        <source>too large: %1 bytes, more than the %2 bytes an input can have</source>
        <translation>太大：%1 字节，超过输入允许的 %2 字节</translation>
    </message>
    <message>
        <source>cannot write the standard output: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>%1 (at byte %2)</source>
        <translation>%1（在第 %2 字节）</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 需要 %2 到 %3 之间的数字，而不是“%4”</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知命令 %1</translation>
    </message>
    <message>
        <source>Do you want to delete the No. %1 window?</source>
        <translation>确定要删除第 %1 号窗口吗？</translation>
    </message>
    <message>
        <source>No.%1 window exist</source>
        <translation>第 %1 号窗口已存在</translation>
    </message>
    <message>
        <source>Window %1: %2</source>
        <translation>窗口 %1：%2</translation>
    </message>
    <message>
        <source>Import .OLZ Project</source>
        <translation>导入 .OLZ 工程</translation>
    </message>
    <message>
        <source>Open the file error!</source>
        <translation>打开文件出错！</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>下载失败。</translation>
    </message>
    <message>
        <source>protocol number error!!!</source>
        <translation>协议号错误！！！</translation>
    </message>
    <message>
        <source>The file Zentu_Ptc.dat error!!!</source>
        <translation>文件 Zentu_Ptc.dat 出错！！！</translation>
    </message>
    <message>
        <source>Download will be canceled?</source>
        <translation>要取消下载吗？</translation>
    </message>
    <message>
        <source>Download Data</source>
        <translation>下载数据</translation>
    </message>
    <message>
        <source>window exist</source>
        <translation>窗口已存在</translation>
    </message>
    <message>
        <source>The number is same with the current number!!!</source>
        <translation>该编号与当前编号相同！！！</translation>
    </message>
    <message>
        <source>Window number exist!</source>
        <translation>窗口编号已存在！</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存工程</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开工程</translation>
    </message>
    <message>
        <source>The panel&apos;s fonts are missing from the data folder.</source>
        <translation>数据文件夹中缺少面板的字库。</translation>
    </message>
    <message>
        <source>Delete current window</source>
        <translation>删除当前窗口</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>compile a project without sending it and list its problems with window and component; exit 0 when there are none, 1 when there are</source>
        <translation>编译工程但不下载，列出问题及其所在窗口和元件；没有问题时退出状态为 0，有问题时为 1</translation>
    </message>
    <message>
        <source>one project file expected</source>
        <translation>需要一个工程文件</translation>
    </message>
    <message>
        <source>compile a project into the image sent from panel address 0x8000; also the driver sent from 0x0000 and a JSON address map</source>
        <translation>把工程编译为从面板地址 0x8000 起下载的映像；另可输出从 0x0000 起下载的驱动和 JSON 地址表</translation>
    </message>
    <message>
        <source>-o IMAGE.bin is required</source>
        <translation>必须给出 -o IMAGE.bin</translation>
    </message>
    <message>
        <source>convert an old project; NEW defaults to OLD&apos;s folder and name with the extension .pjz</source>
        <translation>转换旧工程；NEW 默认与 OLD 同文件夹、同名，扩展名为 .pjz</translation>
    </message>
    <message>
        <source>one old project file expected</source>
        <translation>需要一个旧工程文件</translation>
    </message>
    <message>
        <source>write a project into the panel; --image sends a compiled image (driver from --driver, else the catalogue&apos;s for --protocol or the image&apos;s protocol); the port defaults to COM Selection&apos;s; Ctrl+C cancels; without a terminal on standard input, a silent panel is given up after SECONDS (default 30, 0 waits for ever)</source>
        <translation>把工程下载到面板；--image 下载已编译的映像（驱动取自 --driver，否则取协议目录中 --protocol 或映像所用协议的驱动）；端口默认为串口选择中的端口；Ctrl+C 取消；标准输入不是终端时，面板无应答 SECONDS 秒后放弃（默认 30，0 表示一直等待）</translation>
    </message>
    <message>
        <source>Download canceled.</source>
        <translation>下载已取消。</translation>
    </message>
    <message>
        <source>give one project file, or --image IMAGE.bin</source>
        <translation>请给出一个工程文件，或 --image IMAGE.bin</translation>
    </message>
    <message>
        <source>--driver and --protocol go with --image</source>
        <translation>--driver 和 --protocol 只能与 --image 一起使用</translation>
    </message>
    <message>
        <source>print a project as JSON</source>
        <translation>以 JSON 格式输出工程</translation>
    </message>
    <message>
        <source>write a project as JSON text (-o - for standard output)</source>
        <translation>把工程写成 JSON 文本（-o - 表示标准输出）</translation>
    </message>
    <message>
        <source>make a project from its JSON text</source>
        <translation>由 JSON 文本生成工程</translation>
    </message>
    <message>
        <source>one input file and an output file (-o) expected</source>
        <translation>需要一个输入文件和一个输出文件（-o）</translation>
    </message>
    <message>
        <source>cannot write the text</source>
        <translation>无法写入文本</translation>
    </message>
    <message>
        <source>write a new project for protocol N: window 1 and the protocol&apos;s defaults</source>
        <translation>为协议 N 新建工程：含 1 号窗口和该协议的默认设置</translation>
    </message>
    <message>
        <source>--protocol N and -o OUT.pjz are required</source>
        <translation>必须给出 --protocol N 和 -o OUT.pjz</translation>
    </message>
    <message>
        <source>list every PLC operand a project uses, with its window, component and conflicts</source>
        <translation>列出工程用到的每个 PLC 操作数，及其所在窗口、元件和冲突</translation>
    </message>
    <message>
        <source>--json and --csv exclude each other</source>
        <translation>--json 和 --csv 不能同时使用</translation>
    </message>
    <message>
        <source>simulate a panel for downloads: --pty prints the device for the download to use; the faults refuse every K-th write, drop every K-th answer, or fall silent after N frames</source>
        <translation>模拟一台面板接受下载：--pty 输出供下载使用的设备；可模拟的故障为每第 K 次写入被拒绝、每第 K 个应答丢失，或 N 帧之后不再应答</translation>
    </message>
    <message>
        <source>--pty needs pseudo-terminals, which Windows does not have: give --port with one end of a null-modem pair of COM ports</source>
        <translation>--pty 需要伪终端，而 Windows 没有：请用 --port 给出一对虚拟串口（null-modem）中的一端</translation>
    </message>
    <message>
        <source>list the device behind each COM entry (the download uses COM Selection&apos;s) and the serial ports found on this machine</source>
        <translation>列出每个 COM 项对应的设备（下载使用串口选择中的项）以及本机上找到的串口</translation>
    </message>
    <message>
        <source>no arguments expected</source>
        <translation>不需要参数</translation>
    </message>
    <message>
        <source>list the protocol catalogue of the data folder: position, number, name, driver version and length</source>
        <translation>列出数据文件夹中的协议目录：位置、编号、名称、驱动版本和长度</translation>
    </message>
    <message>
        <source>move every use of an operand range to another type and start</source>
        <translation>把某一操作数范围的所有使用移到另一类型和起始地址</translation>
    </message>
    <message>
        <source>--from and --to are required</source>
        <translation>必须给出 --from 和 --to</translation>
    </message>
    <message>
        <source>an output file (-o) or --dry-run expected</source>
        <translation>需要输出文件（-o）或 --dry-run</translation>
    </message>
    <message>
        <source>read a project and write it again in the current format</source>
        <translation>读取工程并以当前格式重新写出</translation>
    </message>
    <message>
        <source>an input and an output project file expected</source>
        <translation>需要一个输入工程文件和一个输出工程文件</translation>
    </message>
    <message>
        <source>one project file or --image IMAGE.bin expected</source>
        <translation>需要一个工程文件或 --image IMAGE.bin</translation>
    </message>
    <message>
        <source>-o SCREEN.png is required</source>
        <translation>必须给出 -o SCREEN.png</translation>
    </message>
    <message>
        <source>print a protocol&apos;s operand tables, limits, flags and default settings as JSON</source>
        <translation>以 JSON 格式输出协议的操作数表、范围、标志和默认设置</translation>
    </message>
    <message>
        <source>usage: zl410-cli [--data-dir DIR] COMMAND [ARGS]

Configuration tool for the ZL410 operator panel.

Global options:
  --data-dir DIR   folder of the data files (catalogues, fonts)
  --help           this text
  --version        the program&apos;s version

Commands:
</source>
        <translation>用法：zl410-cli [--data-dir DIR] COMMAND [ARGS]

ZL410 操作面板的组态工具。

全局选项：
  --data-dir DIR   数据文件（协议目录、字库）所在的文件夹
  --help           显示本说明
  --version        显示程序版本

命令：
</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 failure (message on stderr), 2 usage error.</source>
        <translation>退出状态：0 成功，1 失败（信息见标准错误输出），2 用法错误。</translation>
    </message>
    <message>
        <source>its previous file cannot be kept while the others are written (%1)</source>
        <translation>写入其他文件期间无法保留其原有文件（%1）</translation>
    </message>
    <message>
        <source>the folder %1 does not take new files</source>
        <translation>文件夹 %1 不接受新文件</translation>
    </message>
    <message>
        <source>the text is %1 bytes long, more than the %2 bytes read</source>
        <translation>文本长 %1 字节，超过可读取的 %2 字节</translation>
    </message>
    <message>
        <source>File %1 does not exist!</source>
        <translation>文件 %1 不存在！</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged: %2.</source>
        <translation>协议目录 %1 已损坏：%2。</translation>
    </message>
    <message>
        <source>the project does not read back: %1</source>
        <translation>工程无法读回：%1</translation>
    </message>
    <message>
        <source>format version %1 is not supported</source>
        <translation>不支持格式版本 %1</translation>
    </message>
    <message>
        <source>Window %1 holds %2 components; the panel takes at most %3 in a window.</source>
        <translation>窗口 %1 有 %2 个元件；面板每个窗口最多容纳 %3 个。</translation>
    </message>
    <message>
        <source>The alarm list holds %1 texts; the panel takes at most 255.</source>
        <translation>报警列表有 %1 条文本；面板最多容纳 255 条。</translation>
    </message>
    <message>
        <source>The download image would be %1 bytes, but the panel holds at most %2 bytes (addresses 0x8000 to 0xFFFF). Remove texts, pictures or components to make it smaller.</source>
        <translation>下载映像将有 %1 字节，而面板最多容纳 %2 字节（地址 0x8000 到 0xFFFF）。请删除一些文本、图片或元件以减小映像。</translation>
    </message>
    <message>
        <source>The download image came out %1 bytes long instead of %2; it is not sent.</source>
        <translation>下载映像长 %1 字节而不是 %2 字节；不予下载。</translation>
    </message>
    <message>
        <source>The project has no windows; the panel would have nothing to show</source>
        <translation>工程中没有窗口；面板将无内容可显示</translation>
    </message>
    <message>
        <source>The serial port failed: %1</source>
        <translation>串口出错：%1</translation>
    </message>
    <message>
        <source>The image is %1 bytes, more than the 32768 bytes the panel holds!</source>
        <translation>映像有 %1 字节，超过面板可容纳的 32768 字节！</translation>
    </message>
    <message>
        <source>The driver is %1 bytes, more than the 32768 bytes the panel holds!</source>
        <translation>驱动有 %1 字节，超过面板可容纳的 32768 字节！</translation>
    </message>
    <message>
        <source>Download complete!Data %1 bytes</source>
        <translation>下载完成！数据 %1 字节</translation>
    </message>
    <message>
        <source>Cannot open the serial port%1!
%2</source>
        <translation>无法打开串口%1！
%2</translation>
    </message>
    <message>
        <source>Cannot create a pseudo-terminal: %1</source>
        <translation>无法创建伪终端：%1</translation>
    </message>
    <message>
        <source>the file type error!</source>
        <translation>文件类型错误！</translation>
    </message>
    <message>
        <source>conversion accomplished!</source>
        <translation>转换完成！</translation>
    </message>
    <message>
        <source>Register Limit error, cancel?</source>
        <translation>寄存器范围错误，是否取消？</translation>
    </message>
    <message>
        <source>File type error!</source>
        <translation>文件类型错误！</translation>
    </message>
    <message>
        <source>Is it a correct file?</source>
        <translation>文件是否正确？</translation>
    </message>
    <message>
        <source>version does not match!</source>
        <translation>版本不匹配！</translation>
    </message>
    <message>
        <source>The protocol does not exist!</source>
        <translation>协议不存在！</translation>
    </message>
    <message>
        <source>Communication Error!!!</source>
        <translation>通讯错误！！！</translation>
    </message>
    <message>
        <source>Wrong informationg!</source>
        <translation>信息错误！</translation>
    </message>
    <message>
        <source>Download data</source>
        <translation>下载数据</translation>
    </message>
    <message>
        <source>Read image</source>
        <translation>读取映像</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>正被另一个程序使用</translation>
    </message>
    <message>
        <source>a pipe that no process reads</source>
        <translation>没有进程读取的管道</translation>
    </message>
    <message>
        <source>Window %1: the %2 at (%3, %4) %5.</source>
        <translation>窗口 %1：位于 (%3, %4) 的%2%5。</translation>
    </message>
    <message>
        <source>The alarm list %1.</source>
        <translation>报警列表%1。</translation>
    </message>
    <message>
        <source>holds a character the panel cannot show (%1): type it again or remove it; the panel shows ASCII and two-byte GBK characters</source>
        <translation>含有面板无法显示的字符（%1）：请重新输入或删除；面板只能显示 ASCII 字符和双字节 GBK 字符</translation>
    </message>
    <message>
        <source>the panel fonts cannot draw %1</source>
        <translation>面板字库无法显示 %1</translation>
    </message>
    <message>
        <source>The initial window %1 does not exist; the panel gets window %2 instead</source>
        <translation>初始窗口 %1 不存在；面板改用窗口 %2</translation>
    </message>
    <message>
        <source>The screen-saver window %1 does not exist; the panel gets window %2 instead</source>
        <translation>屏幕保护窗口 %1 不存在；面板改用窗口 %2</translation>
    </message>
    <message>
        <source>holds %1 components; the panel takes at most %2 in a window</source>
        <translation>有 %1 个元件；面板每个窗口最多容纳 %2 个</translation>
    </message>
    <message>
        <source>the Up key jumps to window %1, which does not exist</source>
        <translation>上箭头键跳转到的窗口 %1 不存在</translation>
    </message>
    <message>
        <source>the Down key jumps to window %1, which does not exist</source>
        <translation>下箭头键跳转到的窗口 %1 不存在</translation>
    </message>
    <message>
        <source>jumps to window %1, which does not exist</source>
        <translation>跳转到的窗口 %1 不存在</translation>
    </message>
    <message>
        <source>reaches beyond the 192 × 64 panel (to %1, %2)</source>
        <translation>超出了 192 × 64 的面板（到 %1, %2）</translation>
    </message>
    <message>
        <source>max %1 is not above min %2; the compile sets max %3, min %4</source>
        <translation>上限 %1 不大于下限 %2；编译时设为上限 %3、下限 %4</translation>
    </message>
    <message>
        <source>its register type %1 is not in the protocol&apos;s list (%2); the compile takes %3</source>
        <translation>其寄存器类型 %1 不在协议的列表（%2）中；编译时取 %3</translation>
    </message>
    <message>
        <source>entries %1 and %2 both have the value %3; the panel shows entry %4&apos;s content for it</source>
        <translation>第 %1 项和第 %2 项的值都是 %3；面板对该值显示第 %4 项的内容</translation>
    </message>
    <message>
        <source>The image is %1; it does not fit into the panel</source>
        <translation>映像为 %1；面板容纳不下</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 / %2 字节</translation>
    </message>
    <message>
        <source>the check found %1 problem</source>
        <translation>检查发现 %1 个问题</translation>
    </message>
    <message>
        <source>%1 is used with different word counts</source>
        <translation>%1 以不同的字数使用</translation>
    </message>
    <message>
        <source>%1 is shown in different formats</source>
        <translation>%1 以不同的格式显示</translation>
    </message>
    <message>
        <source>the check found %1 problems</source>
        <translation>检查发现 %1 个问题</translation>
    </message>
    <message>
        <source>window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>project</source>
        <translation>工程</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>映像：</translation>
    </message>
    <message>
        <source>run the download image on a simulated panel: set PLC values (the protocol&apos;s register type names, e.g. D100=1234, M5=1, a bit of a word as D100.3=1) or use a real Modbus PLC over TCP or on a serial port with the project&apos;s line settings, press keys (ESC ALM Up Down Left Right SET ENT CLR +/- 0-9), let S seconds pass, write the screen and report the window shown and the PLC writes the keys made</source>
        <translation>在模拟面板上运行下载映像：设置 PLC 值（使用协议的寄存器类型名，如 D100=1234、M5=1，字中的某一位写作 D100.3=1），或通过 TCP、或在串口上按工程的通讯设置使用真实的 Modbus PLC，按键（ESC ALM Up Down Left Right SET ENT CLR +/- 0-9），等待 S 秒，写出屏幕画面，并报告显示的窗口以及按键引起的 PLC 写入</translation>
    </message>
    <message>
        <source>--set and --plc do not go together: the PLC holds the values</source>
        <translation>--set 和 --plc 不能同时使用：数值由 PLC 保存</translation>
    </message>
    <message>
        <source>draw window N as the editor&apos;s canvas shows it (432 x 144 pixels, K times larger with --scale): the dotted panel field, the components with their texts in the panel&apos;s fonts, and the dotted outline of the first component as when it is selected (left out with --no-selection); with --all, every window into the folder DIR as window-&lt;number&gt;.png, all of them or none</source>
        <translation>按编辑器画布的样子绘制窗口 N（432 x 144 像素，用 --scale 放大 K 倍）：点状面板区域、用面板字库显示文本的元件，以及第一个元件被选中时的点状轮廓（用 --no-selection 省略）；使用 --all 时，把每个窗口写入文件夹 DIR 中的 window-&lt;窗口号&gt;.png，要么全部写出，要么一个也不写</translation>
    </message>
    <message>
        <source>a project file, --window N or --all, and -o are required</source>
        <translation>需要一个工程文件、--window N 或 --all，以及 -o</translation>
    </message>
    <message>
        <source>write the project&apos;s report as PDF: the project, its PLC link, panel settings and image size, every window&apos;s screen with a table of its components, the alarm list and the operand cross-reference</source>
        <translation>把工程报告写成 PDF：工程、PLC 连接、面板设置和映像大小，每个窗口的画面及其元件表，报警列表和操作数交叉引用</translation>
    </message>
    <message>
        <source>a project file and -o REPORT.pdf are required</source>
        <translation>需要一个工程文件和 -o REPORT.pdf</translation>
    </message>
    <message>
        <source>--paper is a4 or letter</source>
        <translation>--paper 只能是 a4 或 letter</translation>
    </message>
    <message>
        <source>%1; the previous %2 is kept as %3</source>
        <translation>%1；原有的 %2 保留为 %3</translation>
    </message>
    <message>
        <source>in this folder only the file&apos;s owner may replace it</source>
        <translation>此文件夹中只有文件的所有者才能替换它</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>文件意外结束</translation>
    </message>
    <message>
        <source>count of %1 is larger than the rest of the file can hold</source>
        <translation>数目 %1 超过了文件剩余部分所能容纳的数量</translation>
    </message>
    <message>
        <source>class name longer than 63 characters</source>
        <translation>类名超过 63 个字符</translation>
    </message>
    <message>
        <source>unknown class &quot;%1&quot;</source>
        <translation>未知的类“%1”</translation>
    </message>
    <message>
        <source>class &quot;%1&quot; has schema %2, expected 1</source>
        <translation>类“%1”的版本号为 %2，应为 1</translation>
    </message>
    <message>
        <source>reference to object %1, which the file does not own once</source>
        <translation>引用了对象 %1，而该对象在文件中并非只出现一次</translation>
    </message>
    <message>
        <source>reference to class index %1, which names no class</source>
        <translation>引用了类索引 %1，而该索引不对应任何类</translation>
    </message>
    <message>
        <source>object of class &quot;%1&quot; where it does not belong</source>
        <translation>类“%1”的对象出现在不该出现的位置</translation>
    </message>
    <message>
        <source>type code %1 does not belong to class %2</source>
        <translation>类型码 %1 与类 %2 不符</translation>
    </message>
    <message>
        <source>no window</source>
        <translation>没有窗口</translation>
    </message>
    <message>
        <source>no component</source>
        <translation>没有元件</translation>
    </message>
    <message>
        <source>bytes after the window</source>
        <translation>窗口之后还有多余的字节</translation>
    </message>
    <message>
        <source>bytes after the component</source>
        <translation>元件之后还有多余的字节</translation>
    </message>
    <message>
        <source>bytes after the settings</source>
        <translation>设置之后还有多余的字节</translation>
    </message>
    <message>
        <source>another kind of component (component)</source>
        <translation>元件类型不同（元件）</translation>
    </message>
    <message>
        <source>%1 (window %2, component %3 (%4))</source>
        <translation>%1（窗口 %2，元件 %3（%4））</translation>
    </message>
    <message>
        <source>%1 (window %2, component %3)</source>
        <translation>%1（窗口 %2，元件 %3）</translation>
    </message>
    <message>
        <source>%1 (window %2)</source>
        <translation>%1（窗口 %2）</translation>
    </message>
    <message>
        <source>%1 (header)</source>
        <translation>%1（文件头）</translation>
    </message>
    <message>
        <source>%1 (alarm list)</source>
        <translation>%1（报警列表）</translation>
    </message>
    <message>
        <source>%1 (window)</source>
        <translation>%1（窗口）</translation>
    </message>
    <message>
        <source>%1 (component)</source>
        <translation>%1（元件）</translation>
    </message>
    <message>
        <source>%1 (settings)</source>
        <translation>%1（设置）</translation>
    </message>
    <message>
        <source>JSON line %1, column %2: %3</source>
        <translation>JSON 第 %1 行第 %2 列：%3</translation>
    </message>
    <message>
        <source>text after the value</source>
        <translation>值之后还有文本</translation>
    </message>
    <message>
        <source>unexpected character</source>
        <translation>意外的字符</translation>
    </message>
    <message>
        <source>more than %1 values</source>
        <translation>值的个数超过 %1</translation>
    </message>
    <message>
        <source>the text ends where a value should be</source>
        <translation>文本在应有值的位置结束</translation>
    </message>
    <message>
        <source>nested more than %1 deep</source>
        <translation>嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>a member name in quotes expected</source>
        <translation>此处应为带引号的成员名</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; appears twice</source>
        <translation>成员“%1”出现了两次</translation>
    </message>
    <message>
        <source>&apos;:&apos; expected</source>
        <translation>此处应为“:”</translation>
    </message>
    <message>
        <source>&apos;,&apos; or &apos;}&apos; expected</source>
        <translation>此处应为“,”或“}”</translation>
    </message>
    <message>
        <source>&apos;,&apos; or &apos;]&apos; expected</source>
        <translation>此处应为“,”或“]”</translation>
    </message>
    <message>
        <source>a number may not start with 0</source>
        <translation>数字不能以 0 开头</translation>
    </message>
    <message>
        <source>the number does not fit 64 bits</source>
        <translation>数字超出 64 位范围</translation>
    </message>
    <message>
        <source>only whole numbers are read</source>
        <translation>只能读取整数</translation>
    </message>
    <message>
        <source>four hexadecimal digits expected after \u</source>
        <translation>\u 之后应为四位十六进制数字</translation>
    </message>
    <message>
        <source>the text ends inside a string</source>
        <translation>文本在字符串内部结束</translation>
    </message>
    <message>
        <source>a lone low surrogate</source>
        <translation>单独出现的低位代理项</translation>
    </message>
    <message>
        <source>a high surrogate without its low one</source>
        <translation>高位代理项缺少对应的低位代理项</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>未知的转义序列</translation>
    </message>
    <message>
        <source>a control character inside a string</source>
        <translation>字符串中含有控制字符</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>应为%1，实际为%2</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>字符串</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>数组</translation>
    </message>
    <message>
        <source>unknown member</source>
        <translation>未知成员</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>十六进制数字的个数为奇数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no hexadecimal digit</source>
        <translation>“%1”不是十六进制数字</translation>
    </message>
    <message>
        <source>a character has no GBK code</source>
        <translation>有字符没有 GBK 编码</translation>
    </message>
    <message>
        <source>%1 bytes where %2 belong</source>
        <translation>有 %1 字节，应为 %2 字节</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no component class</source>
        <translation>“%1”不是元件类</translation>
    </message>
    <message>
        <source>the value %1 is out of range %2…%3</source>
        <translation>值 %1 超出范围 %2…%3</translation>
    </message>
    <message>
        <source>picture size error!!!(Max Pixel Sope:192 X 64)</source>
        <translation>图片尺寸错误！！！（最大像素范围：192 X 64）</translation>
    </message>
    <message>
        <source>picture of %1 x %2 pixels does not fit the panel</source>
        <translation>%1 x %2 像素的图片超出面板</translation>
    </message>
    <message>
        <source>picture data of %1 bytes is too short for its size</source>
        <translation>%1 字节的图片数据不足以构成其尺寸</translation>
    </message>
    <message>
        <source>picture data of %1 bytes is longer than the rest of the file</source>
        <translation>%1 字节的图片数据超出了文件的剩余部分</translation>
    </message>
    <message>
        <source>Register error!</source>
        <translation>寄存器错误！</translation>
    </message>
    <message>
        <source>the file ends inside %1</source>
        <translation>文件在%1内部结束</translation>
    </message>
    <message>
        <source>a field of %1 runs past the end of its record</source>
        <translation>%1的某个字段超出了记录的末尾</translation>
    </message>
    <message>
        <source>the picture of %1 does not hold a complete bitmap</source>
        <translation>%1的图片不是完整的位图</translation>
    </message>
    <message>
        <source>the picture of %1 is larger than the panel</source>
        <translation>%1的图片比面板大</translation>
    </message>
    <message>
        <source>%1 has the unknown type %2</source>
        <translation>%1的类型 %2 未知</translation>
    </message>
    <message>
        <source>component %1 of window record %2</source>
        <translation>窗口记录 %2 的元件 %1</translation>
    </message>
    <message>
        <source>window record %1</source>
        <translation>窗口记录 %1</translation>
    </message>
    <message>
        <source>alarm record %1</source>
        <translation>报警记录 %1</translation>
    </message>
    <message>
        <source>the project header</source>
        <translation>工程文件头</translation>
    </message>
    <message>
        <source>%1 at %2 (%3 bytes) lies outside the image of %4 bytes.</source>
        <translation>%1位于 %2（%3 字节），超出了 %4 字节的映像。</translation>
    </message>
    <message>
        <source>The image&apos;s tables decode to more than %1 windows, components, characters and entries, more than a 32768-byte image holds: they point at each other over and over.</source>
        <translation>映像中的表解码出的窗口、元件、字符和条目超过 %1 个，多于 32768 字节的映像所能容纳的数量：这些表在反复地相互指向。</translation>
    </message>
    <message>
        <source>The image is %1 bytes long, shorter than its 48-byte header.</source>
        <translation>映像长 %1 字节，比 48 字节的文件头还短。</translation>
    </message>
    <message>
        <source>The image is %1 bytes long; the panel holds at most 32768.</source>
        <translation>映像长 %1 字节；面板最多容纳 32768 字节。</translation>
    </message>
    <message>
        <source>Not a download image: it does not begin with the bytes FF FF.</source>
        <translation>不是下载映像：它不以字节 FF FF 开头。</translation>
    </message>
    <message>
        <source>The header&apos;s glyph area %1, single-byte glyphs %2 and window table %3 are not in their order after the header.</source>
        <translation>文件头中的字模区 %1、单字节字模 %2 和窗口表 %3 没有按顺序排在文件头之后。</translation>
    </message>
    <message>
        <source>The single-byte glyphs at %1 do not follow whole 32-byte glyphs from %2.</source>
        <translation>位于 %1 的单字节字模没有紧接在从 %2 开始的完整 32 字节字模之后。</translation>
    </message>
    <message>
        <source>%1: unknown component type %2.</source>
        <translation>%1：未知的元件类型 %2。</translation>
    </message>
    <message>
        <source>%1: its text ends in half a double-byte code.</source>
        <translation>%1：其文本以半个双字节编码结尾。</translation>
    </message>
    <message>
        <source>%1: its text names 16 x 16 glyph %2, but the image has %3.</source>
        <translation>%1：其文本用到 16 x 16 字模 %2，但映像中只有 %3 个。</translation>
    </message>
    <message>
        <source>%1: its text names 8 x 16 glyph %2, which lies past the glyph tables.</source>
        <translation>%1：其文本用到 8 x 16 字模 %2，它位于字模表之外。</translation>
    </message>
    <message>
        <source>%1: names 16 x 16 glyph %2, but the image has %3.</source>
        <translation>%1：用到 16 x 16 字模 %2，但映像中只有 %3 个。</translation>
    </message>
    <message>
        <source>The window table</source>
        <translation>窗口表</translation>
    </message>
    <message>
        <source>The window table of %1 windows</source>
        <translation>含 %1 个窗口的窗口表</translation>
    </message>
    <message>
        <source>Window %1: its pointer table of %2 components</source>
        <translation>窗口 %1 含 %2 个元件的指针表</translation>
    </message>
    <message>
        <source>Window %1, component %2 (%3), entry %4</source>
        <translation>窗口 %1 元件 %2（%3）的第 %4 项</translation>
    </message>
    <message>
        <source>Window %1, component %2 (%3)</source>
        <translation>窗口 %1 元件 %2（%3）</translation>
    </message>
    <message>
        <source>Window %1, component %2</source>
        <translation>窗口 %1 元件 %2</translation>
    </message>
    <message>
        <source>%1: its record</source>
        <translation>%1的记录</translation>
    </message>
    <message>
        <source>%1: its record with its limits</source>
        <translation>%1的记录及其上下限</translation>
    </message>
    <message>
        <source>%1: its record with %2 symbols</source>
        <translation>%1含 %2 个符号的记录</translation>
    </message>
    <message>
        <source>%1: its record of %2 entries</source>
        <translation>%1含 %2 项的记录</translation>
    </message>
    <message>
        <source>%1: its %2 x %3 pixels</source>
        <translation>%1的 %2 x %3 像素</translation>
    </message>
    <message>
        <source>%1: its text</source>
        <translation>%1的文本</translation>
    </message>
    <message>
        <source>The alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>The alarm list of %1 texts</source>
        <translation>含 %1 条文本的报警列表</translation>
    </message>
    <message>
        <source>Alarm list, text %1</source>
        <translation>报警列表，第 %1 条文本</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>报警 %1</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it announces %1 entries but holds %2</source>
        <translation>声明有 %1 项，实际只有 %2 项</translation>
    </message>
    <message>
        <source>entry %1 is cut short</source>
        <translation>第 %1 项不完整</translation>
    </message>
    <message>
        <source>the driver of entry %1 is %2 bytes, more than its 32768-byte area</source>
        <translation>第 %1 项的驱动有 %2 字节，超过其 32768 字节的区域</translation>
    </message>
    <message>
        <source>the driver of entry %1 is cut short</source>
        <translation>第 %1 项的驱动不完整</translation>
    </message>
    <message>
        <source>Unknown protocol %1</source>
        <translation>未知协议 %1</translation>
    </message>
    <message>
        <source>does the file%1 exist?</source>
        <translation>文件%1是否存在？</translation>
    </message>
    <message>
        <source>The file %1 is too short: %2 bytes, %3 needed.</source>
        <translation>文件 %1 太短：只有 %2 字节，需要 %3 字节。</translation>
    </message>
    <message>
        <source>is saved with %1, but its type %2 is read-only: the register page offers neither</source>
        <translation>保存时带有%1，但其类型 %2 为只读：寄存器属性页不提供这两项</translation>
    </message>
    <message>
        <source>Set and a password</source>
        <translation>“可设置”和密码</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>“可设置”</translation>
    </message>
    <message>
        <source>a password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>station %1 is out of range %2…%3</source>
        <translation>站号 %1 超出范围 %2…%3</translation>
    </message>
    <message>
        <source>variable group %1 does not exist</source>
        <translation>变量组 %1 不存在</translation>
    </message>
    <message>
        <source>variable %1 is not in group %2</source>
        <translation>变量 %1 不在组 %2 中</translation>
    </message>
    <message>
        <source>register type %1 is not in the protocol&apos;s list</source>
        <translation>寄存器类型 %1 不在协议的列表中</translation>
    </message>
    <message>
        <source>address %1 is out of range %2…%3</source>
        <translation>地址 %1 超出范围 %2…%3</translation>
    </message>
    <message>
        <source>sub-address %1 is out of range 0…%2</source>
        <translation>子地址 %1 超出范围 0…%2</translation>
    </message>
    <message>
        <source>word count %1 is out of range 1…%2</source>
        <translation>字数 %1 超出范围 1…%2</translation>
    </message>
    <message>
        <source>%1 (%2 words) overlaps %3</source>
        <translation>%1（%2 个字）与 %3 重叠</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is no address from 0 to 65535 (hexadecimal)</source>
        <translation>“%1”：“%2”不是 0 到 65535 之间的地址（十六进制）</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is no address from 0 to 65535 (octal)</source>
        <translation>“%1”：“%2”不是 0 到 65535 之间的地址（八进制）</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is no address from 0 to 65535</source>
        <translation>“%1”：“%2”不是 0 到 65535 之间的地址</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no register type of the protocol</source>
        <translation>“%1”不是该协议的寄存器类型</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the range ends before it starts</source>
        <translation>“%1”：范围的终点在起点之前</translation>
    </message>
    <message>
        <source>%1 operand(s) cannot be replaced</source>
        <translation>有 %1 个操作数无法替换</translation>
    </message>
    <message>
        <source>the control block&apos;s registers move together, and this one is outside %1</source>
        <translation>控制块的寄存器须一起移动，而这一个不在 %1 之内</translation>
    </message>
    <message>
        <source>type %1 is not allowed for this field</source>
        <translation>此处不允许使用类型 %1</translation>
    </message>
    <message>
        <source>type %1 takes %2 words, the operand has %3</source>
        <translation>类型 %1 占 %2 个字，而该操作数有 %3 个字</translation>
    </message>
    <message>
        <source>%1 would collide with %2 (%3)</source>
        <translation>%1 将与 %2（%3）冲突</translation>
    </message>
    <message>
        <source>window %1 (%2), %3 %4 at (%5, %6), coil</source>
        <translation>窗口 %1（%2），位于 (%5, %6) 的%3 %4，线圈</translation>
    </message>
    <message>
        <source>window %1 (%2), %3 %4 at (%5, %6), register</source>
        <translation>窗口 %1（%2），位于 (%5, %6) 的%3 %4，寄存器</translation>
    </message>
    <message>
        <source>window %1 (%2), %3 %4 at (%5, %6), operand</source>
        <translation>窗口 %1（%2），位于 (%5, %6) 的%3 %4，操作数</translation>
    </message>
    <message>
        <source>window %1, %2 %3 at (%4, %5), coil</source>
        <translation>窗口 %1，位于 (%4, %5) 的%2 %3，线圈</translation>
    </message>
    <message>
        <source>window %1, %2 %3 at (%4, %5), register</source>
        <translation>窗口 %1，位于 (%4, %5) 的%2 %3，寄存器</translation>
    </message>
    <message>
        <source>window %1, %2 %3 at (%4, %5), operand</source>
        <translation>窗口 %1，位于 (%4, %5) 的%2 %3，操作数</translation>
    </message>
    <message>
        <source>alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>panel settings, control register</source>
        <translation>面板设置，控制寄存器</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not OPERAND=VALUE</source>
        <translation>“%1”不是“操作数=值”（OPERAND=VALUE）的形式</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a 32-bit value</source>
        <translation>“%1”不是 32 位的值</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the bit after the point is a number</source>
        <translation>“%1”：小数点后的位号应为数字</translation>
    </message>
    <message>
        <source>the image uses no operand %1</source>
        <translation>映像中没有用到操作数 %1</translation>
    </message>
    <message>
        <source>the PLC: %1</source>
        <translation>PLC：%1</translation>
    </message>
    <message>
        <source>online simulation needs a Modbus protocol; the project uses %1</source>
        <translation>在线仿真需要 Modbus 协议；而工程使用的是 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not tcp:HOST:PORT</source>
        <translation>“%1”不是 tcp:HOST:PORT（tcp:主机:端口）的形式</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither tcp:HOST:PORT nor rtu:DEVICE</source>
        <translation>“%1”既不是 tcp:HOST:PORT（tcp:主机:端口）也不是 rtu:DEVICE（rtu:设备）的形式</translation>
    </message>
    <message>
        <source>Modbus ASCII runs over TCP only here (tcp:HOST:PORT)</source>
        <translation>此处 Modbus ASCII 只能通过 TCP 使用（tcp:HOST:PORT）</translation>
    </message>
    <message>
        <source>the project&apos;s serial settings are out of range</source>
        <translation>工程的串口设置超出范围</translation>
    </message>
    <message>
        <source>no answer yet from %1</source>
        <translation>%1 尚无应答</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>无法使用 %1：%2</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>无法连接到 %1：%2</translation>
    </message>
    <message>
        <source>reading %1 from address %2 at station %3: %4</source>
        <translation>从站号 %3 的地址 %2 读取 %1 个：%4</translation>
    </message>
    <message>
        <source>reading back address %1: %2</source>
        <translation>回读地址 %1：%2</translation>
    </message>
    <message>
        <source>writing address %1 at station %2: %3</source>
        <translation>写入站号 %2 的地址 %1：%3</translation>
    </message>
    <message>
        <source>cannot write: the table is read-only</source>
        <translation>无法写入：该表为只读</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>type value %1 names no Modbus table</source>
        <translation>类型值 %1 不对应任何 Modbus 表</translation>
    </message>
    <message>
        <source>address 0 where addresses count from 1</source>
        <translation>地址从 1 开始计数，不能为 0</translation>
    </message>
    <message>
        <source>the operand runs past the last address</source>
        <translation>操作数超出了最后一个地址</translation>
    </message>
    <message>
        <source>Too many negative answers from the panel!</source>
        <translation>面板的否定应答次数过多！</translation>
    </message>
    <message>
        <source>failed!</source>
        <translation>失败！</translation>
    </message>
    <message>
        <source>no such device. Is the adapter plugged in, and is this the right port?</source>
        <translation>设备不存在。适配器是否已插好？端口是否选对？</translation>
    </message>
    <message>
        <source>No such device. Is the adapter plugged in, and is this the right port?</source>
        <translation>设备不存在。适配器是否已插好？端口是否选对？</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER, then log in again), or install the program&apos;s udev rule for USB serial adapters.</source>
        <translation>权限不足。请把您的用户加入 dialout 组（sudo usermod -aG dialout $USER，然后重新登录），或安装本程序为 USB 串口适配器提供的 udev 规则。</translation>
    </message>
    <message>
        <source>Permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER, then log in again), or install the program&apos;s udev rule for USB serial adapters.</source>
        <translation>权限不足。请把您的用户加入 dialout 组（sudo usermod -aG dialout $USER，然后重新登录），或安装本程序为 USB 串口适配器提供的 udev 规则。</translation>
    </message>
    <message>
        <source>It is busy: another program is using it.</source>
        <translation>该端口正忙：另一个程序正在使用它。</translation>
    </message>
    <message>
        <source>It is not a serial port.</source>
        <translation>它不是串口。</translation>
    </message>
    <message>
        <source>%1 is busy: another program is using it.</source>
        <translation>%1 正忙：另一个程序正在使用它。</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <translation>%1 不是串口。</translation>
    </message>
    <message>
        <source>cannot send</source>
        <translation>无法发送</translation>
    </message>
    <message>
        <source>cannot wait</source>
        <translation>无法等待</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>连接已断开</translation>
    </message>
    <message>
        <source>USB serial adapter, %1</source>
        <translation>USB 串口适配器，%1</translation>
    </message>
    <message>
        <source>USB serial adapter %1, %2</source>
        <translation>USB 串口适配器 %1，%2</translation>
    </message>
    <message>
        <source>Serial port, %1</source>
        <translation>串口，%1</translation>
    </message>
    <message>
        <source>%1 at (%2, %3)</source>
        <translation>位于 (%2, %3) 的%1</translation>
    </message>
    <message>
        <source>the byte %1 at byte %2 of its text</source>
        <translation>文本第 %2 字节处的字节 %1</translation>
    </message>
    <message>
        <source>window %1 (%2), %3 %4 at (%5, %6), coil %7: %8</source>
        <translation>窗口 %1（%2），位于 (%5, %6) 的%3 %4，线圈 %7：%8</translation>
    </message>
    <message>
        <source>window %1 (%2), %3 %4 at (%5, %6), register %7: %8</source>
        <translation>窗口 %1（%2），位于 (%5, %6) 的%3 %4，寄存器 %7：%8</translation>
    </message>
    <message>
        <source>window %1 (%2), %3 %4 at (%5, %6), operand %7: %8</source>
        <translation>窗口 %1（%2），位于 (%5, %6) 的%3 %4，操作数 %7：%8</translation>
    </message>
    <message>
        <source>window %1, %2 %3 at (%4, %5), coil %6: %7</source>
        <translation>窗口 %1，位于 (%4, %5) 的%2 %3，线圈 %6：%7</translation>
    </message>
    <message>
        <source>window %1, %2 %3 at (%4, %5), register %6: %7</source>
        <translation>窗口 %1，位于 (%4, %5) 的%2 %3，寄存器 %6：%7</translation>
    </message>
    <message>
        <source>window %1, %2 %3 at (%4, %5), operand %6: %7</source>
        <translation>窗口 %1，位于 (%4, %5) 的%2 %3，操作数 %6：%7</translation>
    </message>
    <message>
        <source>alarm list %1: %2</source>
        <translation>报警列表 %1：%2</translation>
    </message>
    <message>
        <source>panel settings, control register %1: %2</source>
        <translation>面板设置，控制寄存器 %1：%2</translation>
    </message>
    <message>
        <source>No. %1 window exist, do you want to replace it?</source>
        <translation>第 %1 号窗口已存在，要替换它吗？</translation>
    </message>
    <message>
        <source>The window exist</source>
        <translation>窗口已存在</translation>
    </message>
    <message>
        <source>window %1: %2 at (%3, %4), station %5 address %6: limits set to max %7, min %8</source>
        <translation>窗口 %1：位于 (%3, %4) 的%2，站号 %5 地址 %6：上下限已设为上限 %7、下限 %8</translation>
    </message>
    <message>
        <source>Open the file error! %1</source>
        <translation>打开文件出错！%1</translation>
    </message>
    <message>
        <source>%1 is the same file as the input %2: nothing written</source>
        <translation>%1 与输入文件 %2 是同一个文件：未写入任何内容</translation>
    </message>
    <message>
        <source>%1 is the same file as the output %2: nothing written</source>
        <translation>%1 与输出文件 %2 是同一个文件：未写入任何内容</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>无法编码图片</translation>
    </message>
    <message>
        <source>cannot encode the picture for %1</source>
        <translation>无法为 %1 编码图片</translation>
    </message>
    <message>
        <source>Image %1 bytes from 0x8000; driver %2 bytes, protocol %3 version %4</source>
        <translation>映像 %1 字节（自 0x8000 起）；驱动 %2 字节，协议 %3 版本 %4</translation>
    </message>
    <message>
        <source>%1 is a project file, not a download image: name it without --image.</source>
        <translation>%1 是工程文件，不是下载映像：请不带 --image 给出它。</translation>
    </message>
    <message>
        <source>The driver %1 is empty!</source>
        <translation>驱动文件 %1 是空的！</translation>
    </message>
    <message>
        <source>progress %1%</source>
        <translation>进度 %1%</translation>
    </message>
    <message>
        <source>Panel: %1</source>
        <translation>面板：%1</translation>
    </message>
    <message>
        <source>This panel model takes its own driver, version %1</source>
        <translation>此面板型号使用自己的驱动，版本 %1</translation>
    </message>
    <message>
        <source>No Response!!! (the panel does not answer; still trying for %1 s, Ctrl+C gives up)</source>
        <translation>无响应！！！（面板没有应答；继续尝试 %1 秒，按 Ctrl+C 放弃）</translation>
    </message>
    <message>
        <source>No Response!!! (the panel does not answer; still trying, Ctrl+C gives up)</source>
        <translation>无响应！！！（面板没有应答；继续尝试，按 Ctrl+C 放弃）</translation>
    </message>
    <message>
        <source>The panel answered.</source>
        <translation>面板已应答。</translation>
    </message>
    <message>
        <source>no file arguments expected</source>
        <translation>不需要文件参数</translation>
    </message>
    <message>
        <source>%1 %2 station %3 %4, %5</source>
        <translation>%1 %2 站号 %3 %4，%5</translation>
    </message>
    <message>
        <source>, %1 words</source>
        <translation>，%1 个字</translation>
    </message>
    <message>
        <source>refused by the tables: %1 (%2)</source>
        <translation>不符合协议表：%1（%2）</translation>
    </message>
    <message>
        <source>conflict: %1</source>
        <translation>冲突：%1</translation>
    </message>
    <message>
        <source>no positional arguments expected</source>
        <translation>不需要位置参数</translation>
    </message>
    <message>
        <source>give either --port DEVICE or --pty</source>
        <translation>请给出 --port DEVICE 或 --pty 之一</translation>
    </message>
    <message>
        <source>%1 frames, %2 writes, %3 refused; memory at 0x8000: %4</source>
        <translation>%1 帧，%2 次写入，%3 次拒绝；0x8000 处内存：%4</translation>
    </message>
    <message>
        <source>Serial ports on this machine: none found</source>
        <translation>本机串口：未找到</translation>
    </message>
    <message>
        <source>Serial ports on this machine:</source>
        <translation>本机串口：</translation>
    </message>
    <message>
        <source>%1: there is no window %2</source>
        <translation>%1：没有窗口 %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>拒绝：%1</translation>
    </message>
    <message>
        <source>nothing replaced: %1 use(s) cannot move</source>
        <translation>未替换任何内容：%1 处使用无法移动</translation>
    </message>
    <message>
        <source>%1 use(s) would change</source>
        <translation>将更改 %1 处使用</translation>
    </message>
    <message>
        <source>%1 use(s) changed</source>
        <translation>已更改 %1 处使用</translation>
    </message>
    <message>
        <source>this build has no online simulation (it was built without libmodbus)</source>
        <translation>此版本没有在线仿真（构建时未带 libmodbus）</translation>
    </message>
    <message>
        <source>the seconds are a number from 0 to %1</source>
        <translation>秒数须为 0 到 %1 之间的数</translation>
    </message>
    <message>
        <source>no key is called &quot;%1&quot;</source>
        <translation>没有名为“%1”的按键</translation>
    </message>
    <message>
        <source>Window %1 (%2)</source>
        <translation>窗口 %1（%2）</translation>
    </message>
    <message>
        <source>wrote %1 = %2 (station %3, at %4 ms)</source>
        <translation>写入 %1 = %2（站号 %3，于 %4 毫秒）</translation>
    </message>
    <message>
        <source>Register Limit error: the compile repaired the limits of%1
Correct the project, or pass --accept-limit-repair to go on with the repaired limits.</source>
        <translation>寄存器范围错误：编译时修正了以下上下限%1
请修改工程，或加上 --accept-limit-repair 以修正后的上下限继续。</translation>
    </message>
    <message>
        <source>limits repaired:%1</source>
        <translation>已修正上下限：%1</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许的操作</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有那个文件或目录</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>没有那个设备或地址</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>设备或资源忙</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>没有那个设备</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是目录</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>是一个目录</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>打开的文件过多</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有空间</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>断开的管道</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>Filename too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>符号链接的层数过多</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘配额</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>文本文件忙</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>连接被对方重置</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>没有到主机的路由</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>网络不可达</translation>
    </message>
    <message>
        <source>Illegal function</source>
        <translation>非法功能码</translation>
    </message>
    <message>
        <source>Illegal data address</source>
        <translation>非法数据地址</translation>
    </message>
    <message>
        <source>Illegal data value</source>
        <translation>非法数据值</translation>
    </message>
    <message>
        <source>Slave device or server failure</source>
        <translation>从站设备故障</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>已确认，正在处理</translation>
    </message>
    <message>
        <source>Slave device or server is busy</source>
        <translation>从站设备忙</translation>
    </message>
    <message>
        <source>Negative acknowledge</source>
        <translation>否定应答</translation>
    </message>
    <message>
        <source>Memory parity error</source>
        <translation>存储器奇偶校验错误</translation>
    </message>
    <message>
        <source>Gateway path unavailable</source>
        <translation>网关路径不可用</translation>
    </message>
    <message>
        <source>Target device failed to respond</source>
        <translation>目标设备无响应</translation>
    </message>
    <message>
        <source>Invalid CRC</source>
        <translation>CRC 校验错误</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>无效数据</translation>
    </message>
    <message>
        <source>Invalid exception code</source>
        <translation>无效的异常码</translation>
    </message>
    <message>
        <source>Too many data</source>
        <translation>数据过多</translation>
    </message>
    <message>
        <source>Response not from requested slave</source>
        <translation>应答不是来自所请求的从站</translation>
    </message>
</context>
<context>
    <name>Operand</name>
    <message>
        <source>alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>panel settings</source>
        <translation>面板设置</translation>
    </message>
    <message>
        <source>window %1</source>
        <translation>窗口 %1</translation>
    </message>
    <message>
        <source>window %1 (%2)</source>
        <translation>窗口 %1（%2）</translation>
    </message>
    <message>
        <source>%1, %2 %3 at (%4, %5)</source>
        <translation>%1，%2 %3 位于 (%4, %5)</translation>
    </message>
    <message>
        <source>coil</source>
        <translation>线圈</translation>
    </message>
    <message>
        <source>register</source>
        <translation>寄存器</translation>
    </message>
    <message>
        <source>alarm coil</source>
        <translation>报警线圈</translation>
    </message>
    <message>
        <source>control register</source>
        <translation>控制寄存器</translation>
    </message>
    <message>
        <source>operand</source>
        <translation>操作数</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写</translation>
    </message>
    <message>
        <source>read and write</source>
        <translation>读写</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读</translation>
    </message>
</context>
<context>
    <name>RunEditor</name>
    <message>
        <source>ZL410 operator panel editor</source>
        <translation>ZL410 操作面板编辑器</translation>
    </message>
    <message>
        <source>Start without the splash window.</source>
        <translation>启动时不显示启动画面。</translation>
    </message>
    <message>
        <source>A project file (.pjz) to open.</source>
        <translation>要打开的工程文件（.pjz）。</translation>
    </message>
</context>
<context>
    <name>zl::CAboutDialog</name>
    <message>
        <source>About ZL410</source>
        <translation>关于 ZL410</translation>
    </message>
    <message>
        <source>ZL410 configuration tool, version %1</source>
        <translation>ZL410 组态工具，版本 %1</translation>
    </message>
    <message>
        <source>The licence file %1 is missing.</source>
        <translation>找不到许可证文件 %1。</translation>
    </message>
</context>
<context>
    <name>zl::CAlarmListDialog</name>
    <message>
        <source>Alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>Coil</source>
        <translation>线圈</translation>
    </message>
    <message>
        <source>Alarm description</source>
        <translation>报警描述</translation>
    </message>
    <message>
        <source>Alarm list initial coil</source>
        <translation>报警列表起始线圈</translation>
    </message>
    <message>
        <source>Sub-address</source>
        <translation>子地址</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <source>Station No.:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>地址：</translation>
    </message>
</context>
<context>
    <name>zl::CBarTidePage</name>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>W:</source>
        <translation>宽：</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>高：</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>寄存器数：</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>上限：</translation>
    </message>
    <message>
        <source>Low:</source>
        <translation>下限：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Data Sample:</source>
        <translation>采样点数：</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>点</translation>
    </message>
    <message>
        <source>Sample Interval:</source>
        <translation>采样间隔：</translation>
    </message>
    <message>
        <source>Sec.</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Bar Graph Property</source>
        <translation>棒图属性</translation>
    </message>
    <message>
        <source>Trend Line Property</source>
        <translation>趋势图属性</translation>
    </message>
    <message>
        <source>W</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>H</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Sub Addr:</source>
        <translation>子地址：</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>寄存器数</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>有符号</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>High</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>上</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>下</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>左</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Data Sample</source>
        <translation>采样点数</translation>
    </message>
    <message>
        <source>Sample Interval</source>
        <translation>采样间隔</translation>
    </message>
</context>
<context>
    <name>zl::CBoundTextEdit</name>
    <message>
        <source>The panel cannot show &quot;%1&quot;: it shows ASCII and two-byte GBK (Chinese) characters only.</source>
        <translation>面板无法显示“%1”：面板只能显示 ASCII 字符和双字节 GBK（中文）字符。</translation>
    </message>
</context>
<context>
    <name>zl::CCheckView</name>
    <message>
        <source>Check project</source>
        <translation>检查工程</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Not compiled</source>
        <translation>未编译</translation>
    </message>
    <message>
        <source>No project is open.</source>
        <translation>没有打开的工程。</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>没有发现问题。</translation>
    </message>
    <message>
        <source>1 problem found (double-click a row to show it).</source>
        <translation>发现 1 个问题（双击一行可显示它）。</translation>
    </message>
    <message>
        <source>%1 problems found (double-click a row to show it).</source>
        <translation>发现 %1 个问题（双击一行可显示它）。</translation>
    </message>
</context>
<context>
    <name>zl::CComSelectionDialog</name>
    <message>
        <source>COM selection</source>
        <translation>串口选择</translation>
    </message>
    <message>
        <source>Select the serial port for downloading</source>
        <translation>选择下载用的串口</translation>
    </message>
    <message>
        <source>Serial Port:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <source>The device this COM entry stands for on this machine: choose one or type its path</source>
        <translation>此 COM 项在本机上对应的设备：请选择一个或输入其路径</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>设备：</translation>
    </message>
    <message>
        <source> (standard for COM%1)</source>
        <translation>（COM%1 的默认设备）</translation>
    </message>
    <message>
        <source> (not found now)</source>
        <translation>（当前未找到）</translation>
    </message>
</context>
<context>
    <name>zl::CComponentPage</name>
    <message>
        <source>Edit </source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>SubType</source>
        <translation>子类型</translation>
    </message>
</context>
<context>
    <name>zl::CCopyWindowDialog</name>
    <message>
        <source>Copy window</source>
        <translation>复制窗口</translation>
    </message>
    <message>
        <source>Copy window %1 to window:</source>
        <translation>将窗口 %1 复制到窗口：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>zl::CDownloadDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Download Project</source>
        <translation>下载工程</translation>
    </message>
    <message>
        <source>No Response!!!</source>
        <translation>无应答！！！</translation>
    </message>
</context>
<context>
    <name>zl::CDynamicPage</name>
    <message>
        <source>Dynamic Text Property</source>
        <translation>动态文本属性</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>显示文本</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>双倍字号</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反显</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>有符号</translation>
    </message>
    <message>
        <source>Station No.:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Sub Addr:</source>
        <translation>子地址：</translation>
    </message>
</context>
<context>
    <name>zl::CEditorDocument</name>
    <message>
        <source>Place </source>
        <translation>放置</translation>
    </message>
    <message>
        <source>Paste </source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Duplicate </source>
        <translation>再制</translation>
    </message>
    <message>
        <source>Delete </source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cut </source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Move </source>
        <translation>移动</translation>
    </message>
    <message>
        <source>New window</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>Copy window</source>
        <translation>复制窗口</translation>
    </message>
    <message>
        <source>Delete window</source>
        <translation>删除窗口</translation>
    </message>
    <message>
        <source>Panel settings</source>
        <translation>面板设置</translation>
    </message>
    <message>
        <source>Alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>PLC Selection</source>
        <translation>PLC 选择</translation>
    </message>
    <message>
        <source>Compile corrections</source>
        <translation>编译修正</translation>
    </message>
    <message>
        <source>Replace operands</source>
        <translation>替换操作数</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n components</source>
        <translation>
            <numerusform>粘贴 %n 个元件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n components</source>
        <translation>
            <numerusform>复制 %n 个元件副本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n components</source>
        <translation>
            <numerusform>删除 %n 个元件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n components</source>
        <translation>
            <numerusform>剪切 %n 个元件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n components</source>
        <translation>
            <numerusform>移动 %n 个元件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Align %n components</source>
        <translation>
            <numerusform>对齐 %n 个元件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Distribute %n components</source>
        <translation>
            <numerusform>均匀分布 %n 个元件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Resize %n components</source>
        <translation>
            <numerusform>调整 %n 个元件的大小</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zl::CFunctionPage</name>
    <message>
        <source>Function Key Property</source>
        <translation>功能键属性</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Coil</source>
        <translation>线圈</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>按键：</translation>
    </message>
    <message>
        <source>Function Key</source>
        <translation>功能键</translation>
    </message>
    <message>
        <source>Set Coil</source>
        <translation>设置线圈</translation>
    </message>
    <message>
        <source>Jump to</source>
        <translation>跳转到</translation>
    </message>
    <message>
        <source>Set Register</source>
        <translation>设置寄存器</translation>
    </message>
    <message>
        <source>Alarm List</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>时间/日期</translation>
    </message>
    <message>
        <source>Jump to:</source>
        <translation>跳转到：</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反显</translation>
    </message>
    <message>
        <source>Instant on</source>
        <translation>瞬时接通</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>双倍字号</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>手形</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Sta.:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Addr</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Sub:</source>
        <translation>子地址：</translation>
    </message>
    <message>
        <source>Value format</source>
        <translation>数值格式</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>无符号</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>有符号</translation>
    </message>
    <message>
        <source>Coil action</source>
        <translation>线圈动作</translation>
    </message>
    <message>
        <source>Reverse</source>
        <comment>coil action</comment>
        <translation>取反</translation>
    </message>
</context>
<context>
    <name>zl::CHelpWindow</name>
    <message>
        <source>ZL410 user manual</source>
        <translation>ZL410 用户手册</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Find in page</source>
        <translation>在页面中查找</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The folder of the user manual in this language: keep it as zh_CN</comment>
        <translation>zh_CN</translation>
    </message>
    <message>
        <source>The user manual is not installed: %1 is missing.</source>
        <translation>用户手册未安装：缺少 %1。</translation>
    </message>
</context>
<context>
    <name>zl::CLedPage</name>
    <message>
        <source>LED Property</source>
        <translation>指示灯属性</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>形状：</translation>
    </message>
    <message>
        <source>Logic:</source>
        <translation>逻辑：</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>双倍字号</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>逻辑</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>正逻辑</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>负逻辑</translation>
    </message>
    <message>
        <source>Station No:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Sub Addr:</source>
        <translation>子地址：</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
</context>
<context>
    <name>zl::CMainFrame</name>
    <message>
        <source>Language(&amp;G)</source>
        <translation>语言(&amp;G)</translation>
    </message>
    <message>
        <source>The editor shows the new language when it starts next.</source>
        <translation>编辑器下次启动时将使用新的语言。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New Project(&amp;N)</source>
        <translation>新建工程(&amp;N)</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新建工程</translation>
    </message>
    <message>
        <source>Open Project(&amp;O)</source>
        <translation>打开工程(&amp;O)</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开工程</translation>
    </message>
    <message>
        <source>Save Project(&amp;S)</source>
        <translation>保存工程(&amp;S)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存工程</translation>
    </message>
    <message>
        <source>Save Project as(&amp;A)...</source>
        <translation>工程另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save Project as</source>
        <translation>工程另存为</translation>
    </message>
    <message>
        <source>PLC Selection(P)...</source>
        <translation>PLC 选择(P)...</translation>
    </message>
    <message>
        <source>PLC Selection</source>
        <translation>PLC 选择</translation>
    </message>
    <message>
        <source>COM Selection(C)...</source>
        <translation>串口选择(C)...</translation>
    </message>
    <message>
        <source>COM Selection</source>
        <translation>串口选择</translation>
    </message>
    <message>
        <source>Download(D)</source>
        <translation>下载(D)</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Import .OLZ Project(&amp;L)</source>
        <translation>导入 .OLZ 工程(&amp;L)</translation>
    </message>
    <message>
        <source>Import .OLZ Project</source>
        <translation>导入 .OLZ 工程</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Toolbar(&amp;T)</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Statusbar(&amp;S)</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Statusbar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Tools(&amp;T)</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>New window(&amp;N)</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>New window</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>Copy window(&amp;C)</source>
        <translation>复制窗口(&amp;C)</translation>
    </message>
    <message>
        <source>Copy window</source>
        <translation>复制窗口</translation>
    </message>
    <message>
        <source>Delete window(&amp;D)</source>
        <translation>删除窗口(&amp;D)</translation>
    </message>
    <message>
        <source>Delete window</source>
        <translation>删除窗口</translation>
    </message>
    <message>
        <source>Delete component(&amp;P)</source>
        <translation>删除元件(&amp;P)</translation>
    </message>
    <message>
        <source>VT306 Config(&amp;S)</source>
        <translation>VT306 设置(&amp;S)</translation>
    </message>
    <message>
        <source>VT306 Config</source>
        <translation>VT306 设置</translation>
    </message>
    <message>
        <source>Alarm list(&amp;L)</source>
        <translation>报警列表(&amp;L)</translation>
    </message>
    <message>
        <source>Alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>Simulate panel</source>
        <translation>模拟面板</translation>
    </message>
    <message>
        <source>Run the project on a virtual panel with a simulated PLC</source>
        <translation>在虚拟面板上运行工程，连接模拟的 PLC</translation>
    </message>
    <message>
        <source>Check project(&amp;K)</source>
        <translation>检查工程(&amp;K)</translation>
    </message>
    <message>
        <source>Compile without sending and list the problems</source>
        <translation>编译但不下载，并列出问题</translation>
    </message>
    <message>
        <source>Operands</source>
        <translation>操作数</translation>
    </message>
    <message>
        <source>List every PLC operand the project uses, with conflicts</source>
        <translation>列出工程用到的每个 PLC 操作数及其冲突</translation>
    </message>
    <message>
        <source>Components(&amp;P)</source>
        <translation>元件(&amp;P)</translation>
    </message>
    <message>
        <source>Led(&amp;L)</source>
        <translation>指示灯(&amp;L)</translation>
    </message>
    <message>
        <source>Function Key(&amp;F)</source>
        <translation>功能键(&amp;F)</translation>
    </message>
    <message>
        <source>Text(&amp;T)</source>
        <translation>文本(&amp;T)</translation>
    </message>
    <message>
        <source>Dynamic Text(&amp;D)</source>
        <translation>动态文本(&amp;D)</translation>
    </message>
    <message>
        <source>Register(&amp;R)</source>
        <translation>寄存器(&amp;R)</translation>
    </message>
    <message>
        <source>Bar Graph(&amp;B)</source>
        <translation>棒图(&amp;B)</translation>
    </message>
    <message>
        <source>Trend Line(&amp;Q)</source>
        <translation>趋势图(&amp;Q)</translation>
    </message>
    <message>
        <source>Picture(&amp;P)</source>
        <translation>图片(&amp;P)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>About ZL410(&amp;A)...</source>
        <translation>关于 ZL410(&amp;A)...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Change window attribute</source>
        <translation>修改窗口属性</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Duplicate(&amp;D)</source>
        <translation>再制(&amp;D)</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>再制</translation>
    </message>
    <message>
        <source>Replace operands…</source>
        <translation>替换操作数…</translation>
    </message>
    <message>
        <source>Move every use of an operand range to another type and start</source>
        <translation>把某一操作数范围的所有使用移到另一类型和起始地址</translation>
    </message>
    <message>
        <source>No protocol</source>
        <translation>无协议</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>The PLC protocol of this project has no alarm list</source>
        <translation>本工程的 PLC 协议没有报警列表</translation>
    </message>
    <message>
        <source>User manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>Open the user manual at the section of what has the focus</source>
        <translation>打开用户手册中当前焦点所在部分</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Select every component of the window</source>
        <translation>选中窗口中的所有元件</translation>
    </message>
    <message>
        <source>Undo history</source>
        <translation>撤销历史</translation>
    </message>
    <message>
        <source>&lt;opened&gt;</source>
        <translation>&lt;打开时&gt;</translation>
    </message>
    <message>
        <source>List the steps that undo and redo go through; a click goes back to one</source>
        <translation>列出撤销和重做经过的各个步骤；单击可回到其中一步</translation>
    </message>
    <message>
        <source>Arrange(&amp;A)</source>
        <translation>排列(&amp;A)</translation>
    </message>
    <message>
        <source>Align left edges</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Align right edges</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Align top edges</source>
        <translation>顶端对齐</translation>
    </message>
    <message>
        <source>Align bottom edges</source>
        <translation>底端对齐</translation>
    </message>
    <message>
        <source>Align centres</source>
        <translation>水平居中对齐</translation>
    </message>
    <message>
        <source>Align middles</source>
        <translation>垂直居中对齐</translation>
    </message>
    <message>
        <source>Distribute horizontally</source>
        <translation>水平均匀分布</translation>
    </message>
    <message>
        <source>Distribute vertically</source>
        <translation>垂直均匀分布</translation>
    </message>
    <message>
        <source>Same width</source>
        <translation>相同宽度</translation>
    </message>
    <message>
        <source>Same height</source>
        <translation>相同高度</translation>
    </message>
    <message>
        <source>Same size</source>
        <translation>相同大小</translation>
    </message>
    <message>
        <source>Give the bars and trend lines of the selection the size of the selected one</source>
        <translation>使选中的棒图和趋势图与当前选中元件大小相同</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The panel pixel under the mouse</source>
        <translation>鼠标所指的面板像素</translation>
    </message>
    <message>
        <source>Position and size of the selection, in panel pixels</source>
        <translation>选中部分的位置和大小（面板像素）</translation>
    </message>
    <message>
        <source>%1, %2  %3 × %4</source>
        <translation>%1, %2  %3 × %4</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>显示网格</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>对齐到网格</translation>
    </message>
    <message>
        <source>Grid spacing…</source>
        <translation>网格间距…</translation>
    </message>
    <message>
        <source>Grid spacing</source>
        <translation>网格间距</translation>
    </message>
    <message>
        <source>Grid spacing in panel pixels:</source>
        <translation>网格间距（面板像素）：</translation>
    </message>
    <message>
        <source>Export report…</source>
        <translation>导出报告…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>排列</translation>
    </message>
    <message>
        <source>Arrange toolbar</source>
        <translation>排列工具栏</translation>
    </message>
    <message>
        <source>Show the arrange commands as a toolbar</source>
        <translation>以工具栏显示排列命令</translation>
    </message>
</context>
<context>
    <name>zl::CNewWindowDialog</name>
    <message>
        <source>New window</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>Window No.:</source>
        <translation>窗口号：</translation>
    </message>
    <message>
        <source>Window description:</source>
        <translation>窗口描述：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>zl::CNumEdit</name>
    <message>
        <source>An empty field takes its smallest value, %1.</source>
        <translation>空白的输入框取其最小值 %1。</translation>
    </message>
    <message>
        <source>%1 is outside %2 … %3: set to %4.</source>
        <translation>%1 超出 %2 … %3 的范围：已设为 %4。</translation>
    </message>
</context>
<context>
    <name>zl::COperandTableModel</name>
    <message>
        <source>Alarm list</source>
        <translation>报警列表</translation>
    </message>
    <message>
        <source>Panel settings</source>
        <translation>面板设置</translation>
    </message>
    <message>
        <source>%1 %2 at (%3, %4)</source>
        <translation>%1 %2，位于 (%3, %4)</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>访问</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>操作数</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>站号</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>字数</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
</context>
<context>
    <name>zl::COperandsDock</name>
    <message>
        <source>Operands</source>
        <translation>操作数</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>窗口：</translation>
    </message>
</context>
<context>
    <name>zl::CPanelSettingsDialog</name>
    <message>
        <source>VT306 config</source>
        <translation>VT306 设置</translation>
    </message>
    <message>
        <source>VT306 parameter</source>
        <translation>VT306 参数</translation>
    </message>
    <message>
        <source>Initial Window:</source>
        <translation>初始窗口：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Screen saver:</source>
        <translation>屏幕保护：</translation>
    </message>
    <message>
        <source>Backlight Off</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>VT306 Control</source>
        <translation>VT306 控制</translation>
    </message>
    <message>
        <source>Control Reg:</source>
        <translation>控制寄存器：</translation>
    </message>
    <message>
        <source>Station No.:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Auto change window</source>
        <translation>自动切换窗口</translation>
    </message>
    <message>
        <source>Report current window</source>
        <translation>报告当前窗口</translation>
    </message>
    <message>
        <source>Use RTC module</source>
        <translation>使用实时时钟模块</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Peripheral</source>
        <translation>外设</translation>
    </message>
    <message>
        <source>Respond </source>
        <translation>对应 </translation>
    </message>
    <message>
        <source>Control the buzzer</source>
        <translation>控制蜂鸣器</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>1Min</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>2Min</source>
        <translation>2 分钟</translation>
    </message>
    <message>
        <source>3Min</source>
        <translation>3 分钟</translation>
    </message>
    <message>
        <source>5Min</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <source>10Min</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>15Min</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>20Min</source>
        <translation>20 分钟</translation>
    </message>
    <message>
        <source>30Min</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>45Min</source>
        <translation>45 分钟</translation>
    </message>
    <message>
        <source>1Hour</source>
        <translation>1 小时</translation>
    </message>
</context>
<context>
    <name>zl::CPanelSimWindow</name>
    <message>
        <source>Simulate panel</source>
        <translation>模拟面板</translation>
    </message>
    <message>
        <source>Zoom </source>
        <translation>缩放 </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>操作数</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>站号</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Connect to PLC…</source>
        <translation>连接 PLC…</translation>
    </message>
    <message>
        <source>Online simulation is not available: this build has no Modbus library.</source>
        <translation>在线模拟不可用：此版本未包含 Modbus 库。</translation>
    </message>
    <message>
        <source>Connect to PLC</source>
        <translation>连接 PLC</translation>
    </message>
    <message>
        <source>Modbus TCP as tcp:HOST:PORT, or Modbus RTU as rtu:DEVICE on a serial port with the project&apos;s line settings (%1). Each operand&apos;s station is the PLC&apos;s station.</source>
        <translation>Modbus TCP 写作 tcp:主机:端口，Modbus RTU 写作 rtu:设备，使用工程的串口设置（%1）。每个操作数的站号即 PLC 的站号。</translation>
    </message>
    <message>
        <source>Online simulation needs a Modbus protocol (Modbus RTU, Modbus ASCII, Modbus RTU Extend or one that shares their operands).</source>
        <translation>在线模拟需要 Modbus 协议（Modbus RTU、Modbus ASCII、Modbus RTU Extend 或与它们使用相同操作数的协议）。</translation>
    </message>
    <message>
        <source>Cannot connect: %1</source>
        <translation>无法连接：%1</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>no link</source>
        <translation>无连接</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>PLC %1: %2; %3 requests, %4 failed</source>
        <translation>PLC %1：%2；%3 次请求，%4 次失败</translation>
    </message>
</context>
<context>
    <name>zl::CPicturePage</name>
    <message>
        <source>Picture Property</source>
        <translation>图片属性</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Hight:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Hight</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>zl::CPlcSelectionDialog</name>
    <message>
        <source>PLC Selection</source>
        <translation>PLC 选择</translation>
    </message>
    <message>
        <source>PLC Type:</source>
        <translation>PLC 类型：</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>数据位：</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>校验：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Station No.:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延时：</translation>
    </message>
</context>
<context>
    <name>zl::CRegisterPage</name>
    <message>
        <source>Register Property</source>
        <translation>寄存器属性</translation>
    </message>
    <message>
        <source>Digits:</source>
        <translation>位数：</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>小数位：</translation>
    </message>
    <message>
        <source>Register:</source>
        <translation>寄存器数：</translation>
    </message>
    <message>
        <source>Max Input:</source>
        <translation>输入上限：</translation>
    </message>
    <message>
        <source>Min Input:</source>
        <translation>输入下限：</translation>
    </message>
    <message>
        <source>Eng. Max:</source>
        <translation>工程上限：</translation>
    </message>
    <message>
        <source>Eng. Min:</source>
        <translation>工程下限：</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>双倍字号</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反显</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>位数</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>小数位</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>有符号</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Sub Addr:</source>
        <translation>子地址：</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>寄存器数</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>可设置</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Limited</source>
        <translation>限制输入</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>比例换算</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始值</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>工程值</translation>
    </message>
    <message>
        <source>Max Input</source>
        <translation>输入上限</translation>
    </message>
    <message>
        <source>Min Input</source>
        <translation>输入下限</translation>
    </message>
    <message>
        <source>Eng. Max</source>
        <translation>工程上限</translation>
    </message>
    <message>
        <source>Eng. Min</source>
        <translation>工程下限</translation>
    </message>
</context>
<context>
    <name>zl::CReplaceOperandsDialog</name>
    <message>
        <source>Replace operands</source>
        <translation>替换操作数</translation>
    </message>
    <message>
        <source>D100-D199</source>
        <translation>D100-D199</translation>
    </message>
    <message>
        <source>D300</source>
        <translation>D300</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>替换：</translation>
    </message>
    <message>
        <source>With (start):</source>
        <translation>替换为（起始）：</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>改动</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Name a range of one type and the start it moves to.</source>
        <translation>请给出同一类型的一个范围以及它要移到的起始地址。</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>被拒绝</translation>
    </message>
    <message numerus="yes">
        <source>%n use(s) cannot move: nothing will be replaced.</source>
        <translation>
            <numerusform>%n 处使用无法移动：不会替换任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>No operand uses this range.</source>
        <translation>没有操作数使用此范围。</translation>
    </message>
    <message numerus="yes">
        <source>%n use(s) will move.</source>
        <translation>
            <numerusform>将移动 %n 处使用。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zl::CSplashWindow</name>
    <message>
        <source>Operator panel configuration</source>
        <translation>操作面板组态</translation>
    </message>
</context>
<context>
    <name>zl::CTextPage</name>
    <message>
        <source>Text Property</source>
        <translation>文本属性</translation>
    </message>
    <message>
        <source>Text String:</source>
        <translation>文本字符串：</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Text String</source>
        <translation>文本字符串</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>双倍字号</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反显</translation>
    </message>
</context>
<context>
    <name>zl::CWindowList</name>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
</context>
<context>
    <name>zl::CWindowPage</name>
    <message>
        <source>Window Property</source>
        <translation>窗口属性</translation>
    </message>
    <message>
        <source>Window description:</source>
        <translation>窗口描述：</translation>
    </message>
    <message>
        <source>When Up Arrow key pressed, jump to window:</source>
        <translation>按上箭头键时跳转到窗口：</translation>
    </message>
    <message>
        <source>When Down Arrow key pressed, jump to window:</source>
        <translation>按下箭头键时跳转到窗口：</translation>
    </message>
    <message>
        <source>Window description</source>
        <translation>窗口描述</translation>
    </message>
    <message>
        <source>Up jump</source>
        <translation>上跳转</translation>
    </message>
    <message>
        <source>Down jump</source>
        <translation>下跳转</translation>
    </message>
    <message>
        <source>window%1</source>
        <translation>窗口%1</translation>
    </message>
</context>
<context>
    <name>zl::CZL110Doc</name>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>将改动保存到 %1？</translation>
    </message>
    <message>
        <source>Save Project as</source>
        <translation>工程另存为</translation>
    </message>
    <message>
        <source>ZL410 old project files (*.olz);;All files (*.*)</source>
        <translation>ZL410 旧工程数据文件 (*.olz);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>新文件</translation>
    </message>
</context>
<context>
    <name>zl::CZL110View</name>
    <message>
        <source>No protocol</source>
        <translation>无协议</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>bmp(*.bmp)</source>
        <translation>bmp(*.bmp)</translation>
    </message>
</context>
</TS>
