<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ChartFigure</name>
    <message>
        <source>衰变方式</source>
        <translation>decay mode</translation>
    </message>
    <message>
        <source>次要方式 ≥ 5 %</source>
        <translation>second mode ≥ 5 %</translation>
    </message>
    <message>
        <source>半衰期</source>
        <translation>half-life</translation>
    </message>
    <message>
        <source>色带</source>
        <translation>bands</translation>
    </message>
    <message>
        <source>闭合周期</source>
        <translation>closed periods</translation>
    </message>
    <message>
        <source>幻数</source>
        <translation>magic numbers</translation>
    </message>
    <message>
        <source>估计值</source>
        <translation>estimated</translation>
    </message>
    <message>
        <source>无数据</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>滴线（虚线：估计）</source>
        <translation>drip lines (dashed: estimated)</translation>
    </message>
    <message>
        <source>质量不确定度，keV</source>
        <translation>mass uncertainty, keV</translation>
    </message>
    <message>
        <source>发现年份</source>
        <translation>discovery year</translation>
    </message>
    <message>
        <source>天然丰度，%</source>
        <translation>abundance, %</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>稳定</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>半衰期 %1</source>
        <translation>Half-life %1</translation>
    </message>
    <message>
        <source>半衰期未知</source>
        <translation>Half-life unknown</translation>
    </message>
    <message>
        <source>（估计）</source>
        <translation> (estimated)</translation>
    </message>
    <message>
        <source>（直接测量）</source>
        <translation> (measured directly)</translation>
    </message>
    <message>
        <source>能级次序不确定</source>
        <translation>order of levels uncertain</translation>
    </message>
    <message>
        <source>能级次序与 ENSDF 相反</source>
        <translation>order of levels reversed from ENSDF</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>衰变方式 %1</source>
        <translation>Decay modes %1</translation>
    </message>
    <message>
        <source>天然丰度 %1</source>
        <translation>Natural abundance %1</translation>
    </message>
    <message>
        <source>自旋宇称 %1</source>
        <translation>Spin and parity %1</translation>
    </message>
    <message>
        <source>质量过剩 %1</source>
        <translation>Mass excess %1</translation>
    </message>
    <message>
        <source>发现于 %1 年</source>
        <translation>Discovered in %1</translation>
    </message>
    <message>
        <source>同核异能态 %1</source>
        <translation>Excited state %1</translation>
    </message>
    <message>
        <source>簇衰变</source>
        <translation>cluster</translation>
    </message>
    <message>
        <source>没有这种核素</source>
        <translation>No such nuclide</translation>
    </message>
    <message>
        <source>表中没有 %1</source>
        <translation>%1 is not in the table</translation>
    </message>
    <message>
        <source>表中没有%2的核素</source>
        <translation>The table has no nuclide of %1</translation>
    </message>
    <message>
        <source>认不出这个核素名</source>
        <translation>Not a nuclide name I can read</translation>
    </message>
    <message>
        <source>老兄,别把窗口放这么小啊!</source>
        <translation>Hey, don&apos;t make the window this small!</translation>
    </message>
    <message>
        <source>%1 无数据</source>
        <translation>%1 n/a</translation>
    </message>
    <message>
        <source>发现年份</source>
        <translation>year of discovery</translation>
    </message>
    <message>
        <source>天然丰度</source>
        <translation>natural abundance</translation>
    </message>
</context>
<context>
    <name>nuklorama::ChainList</name>
    <message>
        <source>表中没有</source>
        <translation>not in the table</translation>
    </message>
    <message>
        <source>核素</source>
        <translation>Nuclide</translation>
    </message>
    <message>
        <source>半衰期</source>
        <translation>Half-life</translation>
    </message>
    <message>
        <source>来自</source>
        <translation>From</translation>
    </message>
    <message>
        <source>概率</source>
        <translation>Probability</translation>
    </message>
    <message>
        <source>活度比</source>
        <translation>Activity ratio</translation>
    </message>
    <message>
        <source>衰变链</source>
        <translation>Decay chain</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>例如 7 d、1e6 y</source>
        <translation>e.g. 7 d, 1e6 y</translation>
    </message>
    <message>
        <source>活度的时间</source>
        <translation>Time of the activities</translation>
    </message>
    <message>
        <source>裂变 %1</source>
        <translation>fission %1</translation>
    </message>
    <message>
        <source>%1 的衰变链：%2 个成员，按衰变顺序。终点：%3</source>
        <translation>Decay chain of %1: %2 members, in order of decay. Ends: %3</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>。%1 条概率低于 10⁻¹² 的路径略去</source>
        <translation>. %1 paths with a probability below 10⁻¹² left out</translation>
    </message>
    <message>
        <source>。表中有循环，已切断 %1 处</source>
        <translation>. The table has loops, cut in %1 places</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>start</translation>
    </message>
    <message>
        <source>写成数值和单位，如 7 d</source>
        <translation>A number and a unit, e.g. 7 d</translation>
    </message>
    <message>
        <source>无：表中没有 %1</source>
        <translation>none: %1 is not in the table</translation>
    </message>
    <message>
        <source>无：%1 半衰期未知</source>
        <translation>none: half-life of %1 unknown</translation>
    </message>
    <message>
        <source>无：成员过多</source>
        <translation>none: too many members</translation>
    </message>
</context>
<context>
    <name>nuklorama::ChartActions</name>
    <message>
        <source>复制图片</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>图片另存为…</source>
        <translation>Save picture as…</translation>
    </message>
    <message>
        <source>着色</source>
        <translation>Colouring</translation>
    </message>
    <message>
        <source>半衰期</source>
        <translation>Half-life</translation>
    </message>
    <message>
        <source>衰变方式</source>
        <translation>Decay mode</translation>
    </message>
    <message>
        <source>查找核素…</source>
        <translation>Find nuclide…</translation>
    </message>
    <message>
        <source>衰变链</source>
        <translation>Decay chain</translation>
    </message>
    <message>
        <source>复制当前视图</source>
        <translation>Copy current view</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>先选中表中的一个核素：单击它的格子，或查找它。</source>
        <translation>First select a nuclide of the table: click its cell, or find it.</translation>
    </message>
    <message>
        <source>%1 是稳定核素，没有衰变链。</source>
        <translation>%1 is stable and has no decay chain.</translation>
    </message>
    <message>
        <source>寿命与衰变</source>
        <translation>Lifetime and decay</translation>
    </message>
    <message>
        <source>质量</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>每核子结合能</source>
        <translation>Binding energy per nucleon</translation>
    </message>
    <message>
        <source>质量不确定度</source>
        <translation>Mass uncertainty</translation>
    </message>
    <message>
        <source>分离能</source>
        <translation>Separation energies</translation>
    </message>
    <message>
        <source>中子分离能</source>
        <translation>Neutron separation energy</translation>
    </message>
    <message>
        <source>质子分离能</source>
        <translation>Proton separation energy</translation>
    </message>
    <message>
        <source>双中子分离能</source>
        <translation>Two-neutron separation energy</translation>
    </message>
    <message>
        <source>双质子分离能</source>
        <translation>Two-proton separation energy</translation>
    </message>
    <message>
        <source>Q 值</source>
        <translation>Q-values</translation>
    </message>
    <message>
        <source>α 衰变 Q 值</source>
        <translation>α-decay Q-value</translation>
    </message>
    <message>
        <source>β⁻ 衰变 Q 值</source>
        <translation>β⁻-decay Q-value</translation>
    </message>
    <message>
        <source>电子俘获 Q 值</source>
        <translation>Electron-capture Q-value</translation>
    </message>
    <message>
        <source>壳与配对</source>
        <translation>Shells and pairing</translation>
    </message>
    <message>
        <source>中子壳隙</source>
        <translation>Neutron shell gap</translation>
    </message>
    <message>
        <source>质子壳隙</source>
        <translation>Proton shell gap</translation>
    </message>
    <message>
        <source>中子对能隙</source>
        <translation>Neutron pairing gap</translation>
    </message>
    <message>
        <source>质子对能隙</source>
        <translation>Proton pairing gap</translation>
    </message>
    <message>
        <source>历史与丰度</source>
        <translation>History and abundance</translation>
    </message>
    <message>
        <source>发现年份</source>
        <translation>Year of discovery</translation>
    </message>
    <message>
        <source>天然丰度</source>
        <translation>Natural abundance</translation>
    </message>
    <message>
        <source>滴线</source>
        <translation>Drip lines</translation>
    </message>
</context>
<context>
    <name>nuklorama::ChartArea</name>
    <message>
        <source>核素图</source>
        <translation>Chart of nuclides</translation>
    </message>
    <message>
        <source>核素图：横向中子数 N，纵向质子数 Z，灰度表示半衰期。指针停在格子上显示核素；右键菜单可复制或保存图片，或改按衰变方式着色。</source>
        <translation>Chart of nuclides: neutron number N across, proton number Z up, grey shades for the half-life. The pointer resting on a cell names the nuclide; the context menu copies or saves the picture, or colours it by decay mode.</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>适合窗口</source>
        <translation>Fit to window</translation>
    </message>
</context>
<context>
    <name>nuklorama::FindField</name>
    <message>
        <source>查找核素</source>
        <translation>Find nuclide</translation>
    </message>
    <message>
        <source>U-238、238U、铀-238、Z=92 N=146</source>
        <translation>U-238, 238U, uranium-238, Z=92 N=146</translation>
    </message>
</context>
<context>
    <name>nuklorama::frmMain</name>
    <message>
        <source>画图</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Nuklorama 核素图 · 版本 </source>
        <translation>Nuklorama chart of nuclides · version </translation>
    </message>
    <message>
        <source>程序名称与版本</source>
        <translation>Program name and version</translation>
    </message>
    <message>
        <source>显示网格(绿)</source>
        <translation>Grid (green)</translation>
    </message>
    <message>
        <source>显示周期(黄)</source>
        <translation>Periods (yellow)</translation>
    </message>
    <message>
        <source>显示幻数(蓝)</source>
        <translation>Magic (blue)</translation>
    </message>
    <message>
        <source>读取当前文件夹中的 nuklorama.csv，按窗口大小重新画核素图</source>
        <translation>Reads nuklorama.csv in the current folder and draws the chart again at the window&apos;s size</translation>
    </message>
    <message>
        <source>画出每隔十行十列的绿色带</source>
        <translation>Draws green bands every ten rows and columns</translation>
    </message>
    <message>
        <source>画出闭合周期的质子数所在行的黄色带</source>
        <translation>Draws yellow bands on the rows of the proton numbers that close a period</translation>
    </message>
    <message>
        <source>画出幻数所在行列的蓝色带</source>
        <translation>Draws blue bands on the rows and columns of the magic numbers</translation>
    </message>
</context>
</TS>
