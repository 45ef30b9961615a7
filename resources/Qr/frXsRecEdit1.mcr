{
    "format": "membercard-report",
    "version": 1,
    "title": "会员计次消费单",
    "page": {
        "width": 210.0,
        "height": 110.0,
        "landscape": false,
        "margins": [
            10,
            8,
            10,
            8
        ]
    },
    "variables": {
        "category": "自定义变量",
        "items": [
            {
                "name": "sMemHyCode",
                "value": ""
            },
            {
                "name": "sMemCode",
                "value": ""
            },
            {
                "name": "sMemName",
                "value": ""
            },
            {
                "name": "sMemdate",
                "value": ""
            },
            {
                "name": "sMemEmpName",
                "value": ""
            },
            {
                "name": "sMemOperName",
                "value": ""
            },
            {
                "name": "sMemJF",
                "value": ""
            },
            {
                "name": "sMemmemo1",
                "value": ""
            },
            {
                "name": "sMemTotalPrice",
                "value": ""
            }
        ]
    },
    "bands": [
        {
            "name": "ReportTitle1",
            "kind": "reportTitle",
            "height": 52,
            "objects": [
                {
                    "name": "Text1",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        10.0
                    ],
                    "text": "会员计次消费单",
                    "font": {
                        "family": "黑体",
                        "size": 16,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        12.0,
                        63.33,
                        6.0
                    ],
                    "text": "单    号：[sMemCode]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        63.33,
                        12.0,
                        63.33,
                        6.0
                    ],
                    "text": "日    期：[sMemdate]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        126.67,
                        12.0,
                        63.33,
                        6.0
                    ],
                    "text": "营 业 员：[sMemEmpName]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        18.0,
                        63.33,
                        6.0
                    ],
                    "text": "会员卡号：[sMemHyCode]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        63.33,
                        18.0,
                        63.33,
                        6.0
                    ],
                    "text": "会员姓名：[sMemName]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Line1",
                    "kind": "line",
                    "geometry": [
                        0.0,
                        26.0,
                        190.0,
                        0.0
                    ],
                    "frameWidth": 0.3
                },
                {
                    "name": "Text7",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        28.0,
                        95.0,
                        8.0
                    ],
                    "text": "本次消费次数：[sMemTotalPrice]",
                    "font": {
                        "family": "宋体",
                        "size": 11,
                        "bold": true
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        95.0,
                        28.0,
                        95.0,
                        8.0
                    ],
                    "text": "本次积分：[sMemJF]",
                    "font": {
                        "family": "宋体",
                        "size": 11,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1
                },
                {
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        37.0,
                        190.0,
                        6.0
                    ],
                    "text": "备    注：[sMemmemo1]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "canGrow": true
                },
                {
                    "name": "Text10",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        45.0,
                        95.0,
                        6.0
                    ],
                    "text": "操 作 员：[sMemOperName]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        95.0,
                        45.0,
                        95.0,
                        6.0
                    ],
                    "text": "会员签字：＿＿＿＿＿＿＿＿",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1
                }
            ]
        }
    ]
}
