// Rows of the reading table that tell a transcription slip or a lookup
// fault: the first and last character of every slice, the seams, and the
// readings that depart from plain pinyin (radical forms, units of measure,
// words of other romanisations, ü written "v", syllables without a vowel,
// words out of ascending order, a repeated word).
#pragma once

namespace tavrel::testing {

struct TellingRow {
  char16_t key;
  const char16_t* reading_list;
  int place;
};

inline constexpr TellingRow kTellingRows[] = {
    {0x5475, u"a ha he ke", 1},  // 呵
    {0x5391, u"aes", 1},  // 厑
    {0x54B9, u"an e n", 1},  // 咹
    {0x5A69, u"an nve", 1},  // 婩
    {0x6D3E, u"bai mai pa pai", 1},  // 派
    {0x4F70, u"bai mo", 2},  // 佰
    {0x5161, u"baike", 2},  // 兡
    {0x74F8, u"baiwa", 2},  // 瓸
    {0x52F9, u"bao pianpang", 2},  // 勹
    {0x8421, u"be", 2},  // 萡
    {0x979E, u"bi bing pi", 2},  // 鞞
    {0x7D34, u"bi bo", 3},  // 紴
    {0x8651, u"bi lv", 3},  // 虑
    {0x62DA, u"bian fan fen pan pin", 3},  // 拚
    {0x706C, u"biao huo pianpang", 3},  // 灬
    {0x51AB, u"bing pianpang", 3},  // 冫
    {0x84B2, u"bo pu", 3},  // 蒲
    {0x6B95, u"bo tou ye", 4},  // 殕
    {0x4E72, u"cal", 4},  // 乲
    {0x5C6E, u"cao che pianpang", 4},  // 屮
    {0x8279, u"cao pianpang", 4},  // 艹
    {0x785B, u"ceok", 4},  // 硛
    {0x7873, u"ceok", 4},  // 硳
    {0x5CBE, u"ceom", 4},  // 岾
    {0x7320, u"ceon", 4},  // 猠
    {0x4E7D, u"ceor", 4},  // 乽
    {0x832C, u"cha chi", 4},  // 茬
    {0x5BDF, u"cha cui", 5},  // 察
    {0x65A5, u"che chi zhe", 5},  // 斥
    {0x8A40, u"che dian zhan", 6},  // 詀
    {0x5953, u"chi she zha", 6},  // 奓
    {0x5319, u"chi shi", 7},  // 匙
    {0x6AD6, u"chu lv", 7},  // 櫖
    {0x7D6E, u"chu na nv xu", 7},  // 絮
    {0x64AE, u"chua cuo zuan zui zuo", 7},  // 撮
    {0x6B58, u"chua xu", 7},  // 歘
    {0x8197, u"chuai", 8},  // 膗
    {0x8FB6, u"chuo pianpang", 8},  // 辶
    {0x55ED, u"cis", 8},  // 嗭
    {0x932F, u"cu cuo xi", 8},  // 錯
    {0x8516, u"cu cuo zha", 9},  // 蔖
    {0x5788, u"dai tae", 9},  // 垈
    {0x4E3C, u"dan jing", 9},  // 丼
    {0x6B3F, u"dan kan qian", 10},  // 欿
    {0x5202, u"dao pianpang", 10},  // 刂
    {0x63FC, u"dem", 10},  // 揼
    {0x54E3, u"deo pou", 10},  // 哣
    {0x8713, u"dian ting", 10},  // 蜓
    {0x6D8E, u"dian xian yan", 11},  // 涎
    {0x56B8, u"dim", 11},  // 嚸
    {0x4E67, u"dou dul", 11},  // 乧
    {0x6C00, u"dou lv shu", 11},  // 氀
    {0x53FE, u"dug", 11},  // 叾
    {0x81AD, u"dui gui kui", 11},  // 膭
    {0x8B09, u"dui gui kui tui", 12},  // 謉
    {0x7364, u"dun ton", 12},  // 獤
    {0x554A, u"e a", 12},  // 啊
    {0x963F, u"e a", 12},  // 阿
    {0x5A3E, u"e ai", 12},  // 娾
    {0x6B38, u"e ei ai xie", 12},  // 欸
    {0x8A7B, u"e lue luo", 12},  // 詻
    {0x55EF, u"en n ng", 12},  // 嗯
    {0x4ED2, u"eo", 12},  // 仒
    {0x4E7B, u"eol", 12},  // 乻
    {0x6B15, u"eom yan", 12},  // 欕
    {0x65D5, u"eos", 12},  // 旕
    {0x804F, u"er nv", 12},  // 聏
    {0x6CDB, u"fa fan feng", 12},  // 泛
    {0x6A43, u"fa fei", 13},  // 橃
    {0x531A, u"fang pianpang", 13},  // 匚
    {0x74F0, u"fenwa", 13},  // 瓰
    {0x8985, u"fiao", 13},  // 覅
    {0x8FD8, u"fu hai huan", 13},  // 还
    {0x5452, u"fu m", 13},  // 呒
    {0x5638, u"fu m", 13},  // 嘸
    {0x961D, u"fu pianpang", 13},  // 阝
    {0x5E02, u"fu shi", 13},  // 市
    {0x7324, u"fui", 13},  // 猤
    {0x7534, u"gad you zha", 13},  // 甴
    {0x54B3, u"gai hai hai ke", 13},  // 咳
    {0x6C7D, u"gai qi yi", 13},  // 汽
    {0x6461, u"gai xi", 14},  // 摡
    {0x4E2A, u"gan ge", 14},  // 个
    {0x53EF, u"ge ke", 14},  // 可
    {0x54CF, u"gen hen n", 14},  // 哏
    {0x56BF, u"geo huo", 14},  // 嚿
    {0x5579, u"geu", 14},  // 啹
    {0x55BC, u"gib", 14},  // 喼
    {0x55F0, u"go", 14},  // 嗰
    {0x5EFE, u"gong pianpang", 14},  // 廾
    {0x515D, u"gongfen", 14},  // 兝
    {0x5163, u"gongli", 14},  // 兣
    {0x52FE, u"gou", 15},  // 勾
    {0x679C, u"guan guo luo", 15},  // 果
    {0x6AF7, u"gui kwi", 15},  // 櫷
    {0x7948, u"gui qi", 15},  // 祈
    {0x6739, u"gui qiu", 16},  // 朹
    {0x4E28, u"gun pianpang", 16},  // 丨
    {0x552C, u"guo hao hu xia xiao", 16},  // 唬
    {0x56D7, u"guo pianpang wei", 16},  // 囗
    {0x4E64, u"hal", 16},  // 乤
    {0x884C, u"hang heng xing", 16},  // 行
    {0x597D, u"hao", 16},  // 好
    {0x515E, u"haoke", 16},  // 兞
    {0x96BA, u"he hu que", 16},  // 隺
    {0x55C3, u"he hu xiao", 17},  // 嗃
    {0x519A, u"hem kan", 17},  // 冚
    {0x56CD, u"heui", 17},  // 囍
    {0x4E4A, u"ho", 17},  // 乊
    {0x4E65, u"hol", 17},  // 乥
    {0x864D, u"hu pianpang", 17},  // 虍
    {0x5B66, u"hua jiao xue", 17},  // 学
    {0x627E, u"hua zhao", 17},  // 找
    {0x6DEE, u"huai", 18},  // 淮
    {0x593B, u"hwa", 18},  // 夻
    {0x9064, u"hweong ma", 18},  // 遤
    {0x4E41, u"i ji yi", 18},  // 乁
    {0x5F50, u"ji pianpang", 18},  // 彐
    {0x8604, u"ji qi qin", 18},  // 蘄
    {0x8E16, u"ji qi que", 19},  // 踖
    {0x55E7, u"jialun", 19},  // 嗧
    {0x6054, u"jiao xiao", 19},  // 恔
    {0x6565, u"jiao yan", 20},  // 敥
    {0x5369, u"jie pianpang", 20},  // 卩
    {0x9485, u"jin pianpang", 20},  // 钅
    {0x9752, u"jing qing", 20},  // 青
    {0x5182, u"jiong pianpang", 20},  // 冂
    {0x7F2A, u"jiu miao miu mou mu", 20},  // 缪
    {0x6B0D, u"jou", 20},  // 欍
    {0x824D, u"ju keo", 20},  // 艍
    {0x848C, u"ju liu lou lv", 20},  // 蒌
    {0x851E, u"ju liu lou lv", 20},  // 蔞
    {0x5BE0, u"ju lou lv", 20},  // 寠
    {0x7BD3, u"ju lou lv", 20},  // 篓
    {0x7C0D, u"ju lou lv", 20},  // 簍
    {0x5727, u"ju ya", 20},  // 圧
    {0x50EA, u"ju yu", 21},  // 僪
    {0x8EAB, u"juan shen", 21},  // 身
    {0x72C2, u"jue kuang", 21},  // 狂
    {0x4E59, u"jue yi", 21},  // 乙
    {0x711E, u"jun tiu tun", 21},  // 焞
    {0x5D66, u"kai ai", 21},  // 嵦
    {0x4E6B, u"kal", 21},  // 乫
    {0x51F5, u"kan pianpang qian", 21},  // 凵
    {0x9312, u"ke a", 21},  // 錒
    {0x9515, u"ke a", 21},  // 锕
    {0x785E, u"ke ku que", 21},  // 硞
    {0x9AC1, u"ke kua", 22},  // 髁
    {0x4E6A, u"keg nang", 22},  // 乪
    {0x8804, u"kem qin", 22},  // 蠄
    {0x5DEA, u"keo", 22},  // 巪
    {0x4E6C, u"keol", 22},  // 乬
    {0x8FF2, u"keop qu", 22},  // 迲
    {0x551F, u"keos", 22},  // 唟
    {0x53BC, u"keum", 22},  // 厼
    {0x603E, u"ki", 22},  // 怾
    {0x5EE4, u"kos", 22},  // 廤
    {0x5723, u"ku sheng", 22},  // 圣
    {0x5B8C, u"kuan wan", 22},  // 完
    {0x5144, u"kuang xiong", 22},  // 兄
    {0x9002, u"kuo shi", 22},  // 适
    {0x7A52, u"kweok", 22},  // 穒
    {0x843D, u"la lao luo", 22},  // 落
    {0x53B2, u"lai li", 22},  // 厲
    {0x9EE7, u"lai li", 22},  // 黧
    {0x91D0, u"lai li tai xi", 23},  // 釐
    {0x5549, u"lan len lin", 23},  // 啉
    {0x4E50, u"le luo yao yue", 23},  // 乐
    {0x6A02, u"le luo yao yun", 23},  // 樂
    {0x51A7, u"lem min", 23},  // 冧
    {0x4F4D, u"li wei", 23},  // 位
    {0x6D81, u"lin qin sei shen", 23},  // 涁
    {0x6E17, u"lin qin sen shen", 24},  // 渗
    {0x6EF2, u"lin qin sen shen", 24},  // 滲
    {0x74FC, u"liwa", 24},  // 瓼
    {0x7505, u"liwa", 24},  // 甅
    {0x603B, u"long zong", 24},  // 总
    {0x7565, u"lue", 24},  // 略
    {0x7387, u"lue lv shuai", 24},  // 率
    {0x9A74, u"lv", 24},  // 驴
    {0x5463, u"m mou", 24},  // 呣
    {0x5301, u"mangmi", 24},  // 匁
    {0x7441, u"mao q", 24},  // 瑁
    {0x551C, u"mas", 24},  // 唜
    {0x569C, u"me mei", 24},  // 嚜
    {0x5B6D, u"me mie", 25},  // 孭
    {0x8E0E, u"meo", 25},  // 踎
    {0x5196, u"mi pianpang", 25},  // 冖
    {0x5B80, u"mian pianpang", 25},  // 宀
    {0x74F1, u"miliklanm", 25},  // 瓱
    {0x4E6E, u"mol", 25},  // 乮
    {0x65C0, u"myeo", 25},  // 旀
    {0x4E06, u"myeon", 25},  // 丆
    {0x6927, u"myeong", 25},  // 椧
    {0x54EA, u"na nai ne nei nuo", 25},  // 哪
    {0x8ABD, u"na ni", 25},  // 誽
    {0x6DF0, u"na nian shen", 26},  // 淰
    {0x7592, u"ne pianpang", 26},  // 疒
    {0x713E, u"nem", 26},  // 焾
    {0x83BB, u"neus", 26},  // 莻
    {0x922A, u"ngag", 26},  // 鈪
    {0x92B0, u"ngai", 26},  // 銰
    {0x5571, u"ngam", 26},  // 啱
    {0x8080, u"nie pianpang", 26},  // 肀
    {0x9775, u"niu", 26},  // 靵
    {0x6C91, u"niu nv", 27},  // 沑
    {0x7878, u"nue", 27},  // 硸
    {0x8650, u"nue nve", 27},  // 虐
    {0x759F, u"nue nve yao", 27},  // 疟
    {0x8C11, u"nue xue", 27},  // 谑
    {0x71F6, u"nung", 27},  // 燶
    {0x5973, u"nv ru", 27},  // 女
    {0x7627, u"nve", 27},  // 瘧
    {0x591E, u"oes", 27},  // 夞
    {0x4E6F, u"ol", 27},  // 乯
    {0x97B0, u"on", 27},  // 鞰
    {0x6637, u"on wen", 27},  // 昷
    {0x78D7, u"pak", 27},  // 磗
    {0x6D4C, u"peol", 27},  // 浌
    {0x5DFC, u"phas", 27},  // 巼
    {0x95CF, u"phdeng", 27},  // 闏
    {0x4E76, u"phoi", 27},  // 乶
    {0x55B8, u"phos", 27},  // 喸
    {0x4E3F, u"pianpang pie yi", 27},  // 丿
    {0x4EBB, u"pianpang ren", 27},  // 亻
    {0x793B, u"pianpang shi", 27},  // 礻
    {0x9963, u"pianpang shi", 27},  // 饣
    {0x6C35, u"pianpang shui", 27},  // 氵
    {0x7E9F, u"pianpang si", 28},  // 纟
    {0x6729, u"pin teun", 28},  // 朩
    {0x517A, u"ppun", 28},  // 兺
    {0x54DB, u"ppun", 28},  // 哛
    {0x652F, u"qi zhi", 28},  // 支
    {0x515B, u"qianke", 28},  // 兛
    {0x74E9, u"qianwa", 28},  // 瓩
    {0x929A, u"qiao tiao yao", 28},  // 銚
    {0x71C6, u"qiao xiao", 29},  // 燆
    {0x56D5, u"ram", 29},  // 囕
    {0x6708, u"ru yue", 29},  // 月
    {0x82AE, u"rui ruo", 29},  // 芮
    {0x82FC, u"rui sheng", 30},  // 苼
    {0x6BBA, u"sa sha shai xie", 30},  // 殺
    {0x680D, u"saeng", 30},  // 栍
    {0x8644, u"sal", 30},  // 虄
    {0x4E77, u"sal sha", 30},  // 乷
    {0x88C7, u"sed", 30},  // 裇
    {0x8053, u"sei", 30},  // 聓
    {0x95AA, u"seo", 30},  // 閪
    {0x7E07, u"seon", 30},  // 縇
    {0x55C4, u"sha xia a", 30},  // 嗄
    {0x6298, u"she shw ti zhe", 30},  // 折
    {0x5C04, u"she ye yi", 30},  // 射
    {0x756C, u"she yu", 31},  // 畬
    {0x4FE1, u"shen xin", 31},  // 信
    {0x5159, u"shike", 31},  // 兙
    {0x74E7, u"shiwa", 31},  // 瓧
    {0x8BF4, u"shui shuo tuo yue", 31},  // 说
    {0x8652, u"si ti zhi", 31},  // 虒
    {0x92D6, u"si tuo", 32},  // 鋖
    {0x87A6, u"so", 32},  // 螦
    {0x4E7A, u"sol", 32},  // 乺
    {0x81B8, u"sui wie", 32},  // 膸
    {0x4E9B, u"suo xie", 32},  // 些
    {0x8968, u"tae", 32},  // 襨
    {0x7553, u"tap", 32},  // 畓
    {0x551E, u"teo", 32},  // 唞
    {0x6730, u"teul", 32},  // 朰
    {0x7547, u"tian yun", 32},  // 畇
    {0x9547, u"tian zhen", 33},  // 镇
    {0x4E6D, u"tol", 33},  // 乭
    {0x5434, u"tun wu", 33},  // 吴
    {0x794D, u"uu", 33},  // 祍
    {0x8002, u"uu", 33},  // 耂
    {0x8FAA, u"uu", 33},  // 辪
    {0x978B, u"wa xie", 33},  // 鞋
    {0x761F, u"wen wo yun", 33},  // 瘟
    {0x63FE, u"wen wu", 34},  // 揾
    {0x9650, u"wen xian", 34},  // 限
    {0x5416, u"ya a", 34},  // 吖
    {0x672D, u"ya zha", 34},  // 札
    {0x6079, u"yan", 35},  // 恹
    {0x8FD9, u"yan zhe zhei", 35},  // 这
    {0x9019, u"yan zhe zhei", 35},  // 這
    {0x82F1, u"yang ying", 35},  // 英
    {0x7531, u"yao you", 35},  // 由
    {0x5C83, u"yen", 35},  // 岃
    {0x81B6, u"yen", 35},  // 膶
    {0x4E00, u"yi", 35},  // 一
    {0x4F17, u"yin zhong", 35},  // 众
    {0x80B2, u"yo yu", 35},  // 育
    {0x5590, u"yu yug", 35},  // 喐
    {0x9FA5, u"yue", 35},  // 龥
    {0x66F1, u"yue zad", 35},  // 曱
    {0x62C3, u"zha zhan", 35},  // 拃
    {0x6463, u"zha zhua", 36},  // 摣
    {0x7740, u"zhao zhe zhuo", 36},  // 着
    {0x6B62, u"zheng zhi", 36},  // 止
    {0x57C3, u"zhi ai", 36},  // 埃
    {0x4E2D, u"zhong", 36},  // 中
    {0x6571, u"zhu ai", 36},  // 敱
    {0x8F6C, u"zhuai zhuan", 36},  // 转
    {0x5528, u"zo", 36},  // 唨
    {0x5497, u"zo zuo", 36},  // 咗
    {0x7CF3, u"zuo", 36},  // 糳
};

}  // namespace tavrel::testing
